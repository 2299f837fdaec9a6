#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The desk's code counter files when the registers' engine keeps the
// counters itself (a server): a scenario's `file` and `expect-file` of a
// counter file act on the counter every desk shares. Anything else, or any
// name on the file engine, is left to the files.
namespace ServerCounters {

// Sets the counter NAME stands for to the text's first line (an empty text
// stands for a removed file: the counter counts from zeros); false when NAME
// is no counter kept by the engine.
bool write(const QString& name, const QString& text);
// The counter's line as one line of text, or nothing when NAME is no counter
// kept by the engine.
std::optional<QStringList> lines(const QString& name);

} // namespace ServerCounters
