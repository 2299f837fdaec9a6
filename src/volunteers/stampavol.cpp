#include "stampavol.h"

#include "app/app.h"
#include "app/listlines.h"
#include "platform/busypointer.h"
#include "platform/textfile.h"
#include "store/queries.h"

namespace {

// The four lines of one volunteer's certificate.
QStringList certificateBlock(const App& app, const Recordset& volunteer)
{
    QString name = QLatin1Char('|') + volunteer.field(QStringLiteral("COGNOME")) + QLatin1Char(' ')
        + volunteer.field(QStringLiteral("NOME")) + QLatin1Char('|');
    name.replace(QLatin1Char('.'), QLatin1Char(' '));
    const bool withDates = app.g.conddate != QLatin1String("7");
    auto framed = [](const QString& value) { return QLatin1Char('|') + value + QLatin1Char('|'); };
    return { name, framed(volunteer.field(QStringLiteral("DENOM"))),
        withDates ? framed(volunteer.field(QStringLiteral("DATAAR"))) : QStringLiteral("| |"),
        withDates ? framed(volunteer.field(QStringLiteral("DATAPA"))) : QStringLiteral("| |") };
}

} // namespace

void stampavol(App& app, const QString& association, const QString& clickedLine)
{
    const BusyPointer busy;
    Globals& g = app.g;
    g.denomass = association;
    Recordset& volunteers = app.Data4.recordset();
    if (g.modostampavol == QLatin1String("T")) {
        app.Data4.setRecordSource(
            Queries::volunteersOfAssociationBySurnameDescending, { g.denomass });
        app.Data4.refresh();
        QStringList lines;
        for (; !volunteers.eof(); volunteers.moveNext())
            lines << certificateBlock(app, volunteers);
        TextFile::writeLines(g.fileprotciv, lines);
        app.programs().start(QStringLiteral("tavresv"));
        return;
    }
    // The name column of the grouped list: characters 12 to 61.
    const QString clickedName = ListLines::leadingField(clickedLine.mid(11), 50);
    app.Data4.setRecordSource(Queries::volunteersOfAssociation, { g.denomass });
    app.Data4.refresh();
    for (; !volunteers.eof(); volunteers.moveNext()) {
        g.rigastampa = volunteers.field(QStringLiteral("COGNOME")) + QLatin1Char(' ')
            + volunteers.field(QStringLiteral("NOME"));
        if (g.rigastampa == clickedName) {
            TextFile::appendLines(g.fileprotciv, certificateBlock(app, volunteers));
            return;
        }
    }
    app.programs().start(QStringLiteral("tavresv"));
}
