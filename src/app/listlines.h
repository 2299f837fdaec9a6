#pragma once

#include <QString>

class App;
class QListWidget;

// The fixed-column lines of the list windows.
namespace ListLines {

// The text left-aligned in a field of exactly `width` characters: padded
// with blanks, or cut.
QString field(const QString& text, int width);
// The same, appended to a line being built.
void appendField(QString& line, QStringView text, int width);
// Pads with blanks, or cuts, what was appended to `line` from `start` on to
// exactly `width` characters.
void fitField(QString& line, qsizetype start, int width);
// A title line: the fixed text followed by the emergency name.
QString title(const App& app, const QString& fixedText);
// "TOTALE" in 50 characters, one blank, the count.
QString total(const QString& count);
// The text up to `width` characters with its trailing blanks removed: how a
// clicked line gives back the name it was built from.
QString leadingField(const QString& line, int width);

} // namespace ListLines

// Prints every line of a list box, one printed line each, in "courier new"
// 12; the printer breaks pages by itself.
void stampalista(App& app, const QListWidget* list);
