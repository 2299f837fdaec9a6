#include "historyupdate.h"

#include "app/app.h"
#include "historywriter.h"
#include "platform/busypointer.h"
#include "statusprogress.h"
#include "store/historyqueries.h"
#include "store/queries.h"

HistoryCodes historyCodesOf(const QString& codvol)
{
    if (codvol.size() < 8 || codvol.mid(6, 1) == QLatin1String("B"))
        return {};
    return { codvol.left(6), codvol.mid(6, 4) };
}

namespace {

qint64 volunteerCount(App& app)
{
    app.Data4.setRecordSource(HistoryQueries::volunteerCount);
    app.Data4.refresh();
    return app.Data4.recordset().field(QStringLiteral("N")).toLongLong();
}

bool isInHistory(App& app, const Recordset& volunteer)
{
    app.Data5.setRecordSource(HistoryQueries::historyOfVolunteer,
        { volunteer.field(QStringLiteral("DENOM")), volunteer.field(QStringLiteral("COGNOME")),
            volunteer.field(QStringLiteral("NOME")) });
    app.Data5.refresh();
    const bool found = !app.Data5.recordset().eof();
    app.Data5.endReading();
    return found;
}

HistoryRecord historyRecordOf(const Recordset& volunteer, const Recordset& association)
{
    const HistoryCodes codes = historyCodesOf(volunteer.field(QStringLiteral("CODVOL")));
    const auto a = [&](const char* name) { return association.field(QString::fromLatin1(name)); };
    const auto v = [&](const char* name) { return volunteer.field(QString::fromLatin1(name)); };
    return { codes.codass, codes.codvol, a("DENOM"), a("INDIR"), a("CAP"), a("CITTA"), a("PROV"),
        a("TEL"), a("FAX"), a("MAIL"), v("COGNOME"), v("NOME"), v("SPEC") };
}

} // namespace

void aggiornastorico(App& app)
{
    bool stopped = false;
    QString missingAssociation;
    {
        const BusyPointer busy;
        StatusProgress progress(
            app, QStringLiteral("Aggiornamento storico volontari"), volunteerCount(app));
        Transaction update(app.Data5);
        HistoryWriter writer(app.Data5);
        app.Data4.setRecordSource(Queries::volunteersByAssociationAndName);
        app.Data4.refresh();
        qint64 done = 0;
        for (Recordset& volunteer = app.Data4.recordset(); !volunteer.eof(); volunteer.moveNext()) {
            progress.step(done++);
            if (isInHistory(app, volunteer))
                continue;
            app.Data3.setRecordSource(
                Queries::associationNamed, { volunteer.field(QStringLiteral("DENOM")) });
            app.Data3.refresh();
            if (app.Data3.recordset().eof()) {
                stopped = true;
                missingAssociation = volunteer.field(QStringLiteral("DENOM"));
                break;
            }
            writer.insert(historyRecordOf(volunteer, app.Data3.recordset()));
        }
        update.commit();
        app.Data4.endReading();
        app.Data5.setRecordSource(Queries::anyHistoryRecord);
    }
    if (stopped)
        app.say(
            QStringLiteral("Associazione ") + missingAssociation + QStringLiteral(" non trovata."));
    app.say(QStringLiteral("Archivio storico aggiornato."));
}
