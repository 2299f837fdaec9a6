#include "badgeprinting.h"

#include "app/app.h"
#include "badgequeue.h"
#include "disegnacodbar.h"
#include "platform/busypointer.h"
#include "setpassfile.h"
#include "store/queries.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Horizontal layout, shared by the four positions of a sheet: from a base of
// 1200 twips the bars start 450 further and the code in clear 1600 further.
constexpr int TextColumn = 22;
constexpr int BarcodeX = 1200 + 150 + 300;
constexpr int CodeTextX = 1200 + 1600;
constexpr int BarHeight = 450;
constexpr int ModuleWidth = 20;
constexpr int NameLength = 30;
constexpr int FieldLength = 40;
constexpr int BadgesPerSheet = 4;

// The printouts' 40-character field: left-aligned, blank-filled, cut.
QString field40(const QString& text)
{
    return text.leftJustified(FieldLength, QLatin1Char(' '), true);
}

// A coordinate as the 16-bit integer the barcode takes, to the nearest
// (half to even); the bars start one unit below it, so it stays below the
// top of the range.
qint16 barcodeTop(double value)
{
    const double limit = std::numeric_limits<qint16>::max() - 1;
    const double rounded = std::nearbyint(value);
    return qint16(std::max(-limit, std::min(limit, rounded)));
}

class BadgeSheet
{
public:
    BadgeSheet(App& app, QList<double> values)
        : m_app(app)
        , m_values(std::move(values))
    {
    }

    // The badge of Data7's current record at position 1 to 4 of the sheet.
    void print(int position)
    {
        Printer& printer = m_app.printer();
        const Recordset& badge = m_app.Data7.recordset();
        const QString name = badge.field(QStringLiteral("COGNOME")) + QLatin1Char(' ')
            + badge.field(QStringLiteral("NOME"));
        const QString code = badge.field(QStringLiteral("CODVOL"));
        const QString dates = badge.field(QStringLiteral("DATAAR")) + QStringLiteral("           ")
            + badge.field(QStringLiteral("DATAPA"));

        printer.setFontName(QStringLiteral("courier new"));
        printer.setFontBold(false);
        printer.setFontSize(8);
        printer.setCurrentY(twips(position, 1));
        printer.printAtColumn(TextColumn, name.left(NameLength));
        printer.setCurrentY(twips(position, 2));
        printer.printAtColumn(TextColumn, field40(badge.field(QStringLiteral("DENOM"))));
        printer.setCurrentY(twips(position, 3));
        printer.printAtColumn(TextColumn, field40(dates));
        printer.setCurrentY(twips(position, 4));
        const qint16 top = barcodeTop(value(position, 4)) + 1;
        disegnacodbar(m_app, printer, BarcodeX, top, BarHeight, ModuleWidth, code);
        // The code in clear goes under the bars, where the drawing left off.
        printer.setCurrentX(CodeTextX);
        printer.printLine(code);
    }

private:
    double value(int position, int row) const { return m_values.at(4 * (position - 1) + row - 1); }
    // Whatever was typed, the row stays a coordinate the printer can add to.
    int twips(int position, int row) const
    {
        return int(std::lround(std::clamp(value(position, row), -1.0e7, 1.0e7)));
    }

    App& m_app;
    const QList<double> m_values;
};

enum class Layout { FourPerSheet, OnePerSheet };

void printQueue(App& app, Layout layout)
{
    BadgeSheet sheet(app, SetPass::readForPrinting(app.g.filesetpass));
    const BusyPointer busy;
    app.Data7.setRecordSource(Queries::badgeQueue);
    app.Data7.refresh();
    Recordset& queue = app.Data7.recordset();
    int contapass = 0;
    if (!queue.eof()) {
        queue.moveFirst();
        while (!queue.eof()) {
            if (layout == Layout::OnePerSheet) {
                sheet.print(1);
                app.printer().endDoc();
            } else {
                ++contapass;
                if (contapass > BadgesPerSheet) {
                    // The four finished badges go out; this one starts a new sheet.
                    contapass = 1;
                    app.printer().endDoc();
                }
                sheet.print(contapass);
            }
            queue.moveNext();
        }
    }
    app.printer().endDoc();
    svuotapass(app);
}

} // namespace

void stampapass(App& app)
{
    printQueue(app, Layout::FourPerSheet);
}

void stampapasssing(App& app)
{
    printQueue(app, Layout::OnePerSheet);
}
