#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's small text files: read whole, written whole, closed within
// one operation. Reading accepts UTF-8 and the Windows-1252 files of earlier
// desks; writing is UTF-8 with CR LF line ends. Rewrites are atomic, so a
// crash never leaves a counter or a set-up file empty. Failures are thrown as
// FileError with the run-time numbers (53 for a missing file).
namespace TextFile {

// Decodes file bytes: UTF-8 when they are valid UTF-8, else Windows-1252.
QString decode(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);

QString readAll(const QString& path);
QStringList readLines(const QString& path);
// The first line ("" for an empty file).
QString readFirstLine(const QString& path);

// Every comma- and line-delimited item: an item ends at a comma or at the end
// of a line, leading blanks are skipped, a double-quoted item may hold commas
// and loses its quotes.
QStringList readItems(const QString& path);
QStringList splitItems(const QString& text);

// Replaces the file with these lines, each ended by CR LF.
void writeLines(const QString& path, const QStringList& lines);
void appendLines(const QString& path, const QStringList& lines);
// Creates the file empty, or empties it.
void truncate(const QString& path);

} // namespace TextFile
