#pragma once

#include <QString>

// Thrown by a step that did not do or find what it should; ends the file.
struct StepFailure
{
    QString message;
};

// Thrown by the reader for a line that is not a well-formed step.
struct SyntaxError
{
    int line;
    QString message;
};
