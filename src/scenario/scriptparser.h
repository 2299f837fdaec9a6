#pragma once

#include "step.h"

#include <QList>
#include <QString>

// Reads a scenario's text into steps: one step a line, blank-separated
// arguments with double quotes for the awkward ones, <<WORD blocks, '#'
// comments. Throws SyntaxError for a malformed line or an unended block.
namespace ScriptParser {

QList<Step> parse(const QString& text);

// Splits one step line into its keyword and arguments; tells which were
// written in quotes when asked.
QStringList splitLine(const QString& line, int lineNumber, QList<bool>* quoted = nullptr);

} // namespace ScriptParser
