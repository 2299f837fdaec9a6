#pragma once

#include <QString>
#include <QStringList>

// How the runner shows and compares texts in its messages.
namespace TextCompare {

// The text as a scenario would write it: in double quotes, with \" and \\.
QString quoted(const QString& text);

// A file's lines: split at CR LF or LF; a final line end adds no empty line.
QStringList fileLines(const QString& text);

// Empty when the lines are the same; otherwise both texts, one line each,
// and where they first differ.
QString differences(const QStringList& expected, const QStringList& found);

} // namespace TextCompare
