#include "listlines.h"

#include "app.h"
#include "platform/busypointer.h"

#include <QListWidget>

namespace ListLines {

QString field(const QString& text, int width)
{
    QString line;
    appendField(line, text, width);
    return line;
}

void appendField(QString& line, QStringView text, int width)
{
    const qsizetype start = line.size();
    line += text.left(width);
    fitField(line, start, width);
}

void fitField(QString& line, qsizetype start, int width)
{
    if (line.size() - start > width)
        line.truncate(start + width);
    else
        line.resize(start + width, QLatin1Char(' '));
}

QString title(const App& app, const QString& fixedText)
{
    return fixedText + app.g.nomeemergenza;
}

QString total(const QString& count)
{
    return field(QStringLiteral("TOTALE"), 50) + QLatin1Char(' ') + count;
}

QString leadingField(const QString& line, int width)
{
    QString text = line.left(width);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace ListLines

void stampalista(App& app, const QListWidget* list)
{
    const BusyPointer busy;
    Printer& printer = app.printer();
    printer.setFontName(QStringLiteral("courier new"));
    printer.setFontSize(12);
    printer.setFontBold(false);
    // A page on which the widest line fits: portrait, else landscape, else
    // landscape made smaller.
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, printer.textWidth(list->item(i)->text()));
    printer.setPageSetup(false);
    if (widest > printer.pageWidth()) {
        printer.setPageSetup(true);
        if (widest > printer.pageWidth())
            printer.setPageSetup(true, double(printer.pageWidth()) / widest);
    }
    for (int i = 0; i < list->count(); ++i)
        printer.printLine(list->item(i)->text());
    printer.endDoc();
    printer.setPageSetup(false);
}
