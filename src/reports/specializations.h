#pragma once

#include <QString>
#include <QStringList>

class App;

// The specializations file, "specializzazioni.dat" (`filespec`).

// Its items, comma- and line-delimited; none when the file does not exist
// yet, so a new desk opens both specialization windows empty.
QStringList leggispec(const App& app);
// Replaces the file with the text followed by one line end, atomically: a
// failure leaves the old file whole.
void scrivispec(const App& app, const QString& text);
// Prints the lines in "courier new" 12, one printed line each.
void stampalinee(App& app, const QStringList& lines);
