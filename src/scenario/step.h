#pragma once

#include <QString>
#include <QStringList>

// One step of a scenario file, as written.
struct Step
{
    int line = 0; // of the step's keyword, from 1
    QString source; // the step's line, for messages
    QString keyword;
    QStringList args;
    bool hasBlock = false;
    QStringList block; // the block's lines, end marks removed
};
