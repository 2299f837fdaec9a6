#include "specializations.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/printer.h"
#include "platform/textfile.h"

#include <QFileInfo>

QStringList leggispec(const App& app)
{
    if (!QFileInfo::exists(app.g.filespec))
        return {};
    return TextFile::readItems(app.g.filespec);
}

void scrivispec(const App& app, const QString& text)
{
    // The box's own line ends become the file's CR LF; writeLines ends the
    // last line too.
    TextFile::writeLines(app.g.filespec, text.split(QLatin1Char('\n')));
}

void stampalinee(App& app, const QStringList& lines)
{
    const BusyPointer busy;
    Printer& printer = app.printer();
    printer.setFontName(QStringLiteral("courier new"));
    printer.setFontSize(12);
    printer.setFontBold(false);
    for (const QString& line : lines)
        printer.printLine(line);
    printer.endDoc();
}
