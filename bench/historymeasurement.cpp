#include "historymeasurement.h"

#include "accessimportmeasurement.h"
#include "app/app.h"
#include "bareconnection.h"
#include "bareimport.h"
#include "bulkwriter.h"
#include "checks.h"
#include "history/multipleentry.h"
#include "session.h"
#include "store/schema.h"
#include "syntheticdata.h"
#include "talpexexport.h"
#include "timing.h"

#include <QDir>
#include <QSet>
#include <QSqlQuery>

namespace {

using Checks::check;
using Checks::checkNoError;

constexpr int ticked = 50;
constexpr int entryRuns = 5;
// A million-record import takes seconds: three of each size, in turns.
constexpr int importRuns = 3;

qint64 count(BareConnection& connection, const QString& sql)
{
    QSqlQuery query(connection.db());
    requireSql(query.exec(sql), query);
    requireSql(query.next(), query);
    return query.value(0).toLongLong();
}

// 50 volunteer lines of the association that the desk can register without
// a question: distinct lines, none with a namesake in the camp already.
QStringList tickableLines(Session& session, const QString& association)
{
    BareConnection stor(session.folder(), QStringLiteral("stor.mdb"));
    BareConnection camp(session.folder(), QStringLiteral("emervol.mdb"));
    QSqlQuery lines(stor.db());
    lines.prepare(
        QStringLiteral("select COGN, NOME from STOR where DENOM = ? order by COGN, NOME"));
    lines.addBindValue(association);
    requireSql(lines.exec(), lines);
    QSqlQuery namesake(camp.db());
    namesake.prepare(QStringLiteral(
        "select count(*) from EMERVOL where DENOM = ? and COGNOME = ? and NOME = ?"));
    QStringList seen;
    QStringList chosen;
    while (lines.next() && chosen.size() < ticked) {
        const QString surname = lines.value(0).toString();
        const QString name = lines.value(1).toString();
        const QString line = surname + QLatin1Char(' ') + name;
        // Equal lines stand for the first of their records: one tick each.
        if (seen.contains(line))
            continue;
        seen << line;
        namesake.addBindValue(association);
        namesake.addBindValue(surname);
        namesake.addBindValue(name);
        requireSql(namesake.exec() && namesake.next(), namesake);
        if (namesake.value(0).toInt() == 0)
            chosen << line;
        namesake.finish();
    }
    return chosen;
}

double measureEntry(Session& session, int run)
{
    // Each run another association, so that nobody is registered twice.
    const QString association = SyntheticData::associationName(3 + 7 * (run + 1));
    const QStringList lines = tickableLines(session, association);
    check(lines.size() == ticked, session,
        QStringLiteral("multiple entry: %1 has too few volunteers").arg(association));
    App& app = session.program();
    BareConnection camp(session.folder(), QStringLiteral("emervol.mdb"));
    const QString before = QStringLiteral("select count(*) from EMERVOL");
    const qint64 volunteers = count(camp, before);
    const qsizetype boxes = app.messages().shown().size();
    app.g.denomass = association;
    const MultipleEntry entry { association, lines, QStringLiteral("01/06/2024"),
        QStringLiteral("08:00") };
    const double ms = Timing::milliseconds([&] { inserisciMultiplo(app, entry); });
    checkNoError(app, session, QStringLiteral("multiple entry"));
    check(app.messages().shown().size() == boxes + 1
            && app.messages().shown().last().text == QStringLiteral("Volontari inseriti:  50"),
        session, QStringLiteral("multiple entry: not every volunteer was registered"));
    check(count(camp, before) == volunteers + ticked, session,
        QStringLiteral("multiple entry: the camp register did not grow by 50"));
    return ms;
}

// The update from the camp register, bare: the same lookups and inserts in
// one transaction, rolled back, so that the desk then does the same work.
qint64 bareHistoryUpdate(Session& session)
{
    BareConnection camp(session.folder(), QStringLiteral("emervol.mdb"));
    BareConnection stor(session.folder(), QStringLiteral("stor.mdb"));
    BareConnection associations(session.folder(), QStringLiteral("asso.mdb"));
    QSqlQuery volunteers(camp.db());
    volunteers.setForwardOnly(true);
    QSqlQuery known(stor.db());
    known.prepare(QStringLiteral("select * from STOR where DENOM = ? and COGN = ? and NOME = ?"));
    QSqlQuery association(associations.db());
    association.prepare(QStringLiteral("select * from ASSO where DENOM = ?"));
    QSqlQuery insert(stor.db());
    insert.prepare(QStringLiteral("insert into STOR (CODASS, CODVOL, DENOM, INDIR, CAP, CITTA, "
                                  "PROV, TEL, FAX, MAIL, COGN, NOME, SPEC) values (?, ?, ?, ?, ?, "
                                  "?, ?, ?, ?, ?, ?, ?, ?)"));
    requireSql(stor.db().transaction(), known);
    requireSql(
        volunteers.exec(QStringLiteral("select * from EMERVOL order by DENOM, COGNOME, NOME")),
        volunteers);
    qint64 added = 0;
    while (volunteers.next()) {
        const QString denom = volunteers.value(QStringLiteral("DENOM")).toString();
        const QString surname = volunteers.value(QStringLiteral("COGNOME")).toString();
        const QString name = volunteers.value(QStringLiteral("NOME")).toString();
        known.addBindValue(denom);
        known.addBindValue(surname);
        known.addBindValue(name);
        requireSql(known.exec(), known);
        const bool inHistory = known.next();
        known.finish();
        if (inHistory)
            continue;
        association.addBindValue(denom);
        requireSql(association.exec(), association);
        if (!association.next())
            break;
        const QString code = volunteers.value(QStringLiteral("CODVOL")).toString();
        const bool kept = code.size() >= 8 && code.mid(6, 1) != QLatin1String("B");
        insert.addBindValue(kept ? code.left(6) : QString());
        insert.addBindValue(kept ? code.mid(6, 4) : QString());
        for (const char* field : { "DENOM", "INDIR", "CAP", "CITTA", "PROV", "TEL", "FAX", "MAIL" })
            insert.addBindValue(association.value(QString::fromLatin1(field)).toString());
        association.finish();
        insert.addBindValue(surname);
        insert.addBindValue(name);
        insert.addBindValue(volunteers.value(QStringLiteral("SPEC")).toString());
        requireSql(insert.exec(), insert);
        ++added;
    }
    volunteers.finish();
    stor.db().rollback();
    return added;
}

struct UpdateFigures
{
    double ours = 0;
    double bare = 0;
};

UpdateFigures measureHistoryUpdate(Session& session)
{
    App& app = session.program();
    {
        // The gate's walkers belong to an association of their own, which
        // must be registered for the update to go through them.
        BareConnection associations(session.folder(), QStringLiteral("asso.mdb"));
        QSqlQuery insert(associations.db());
        requireSql(insert.exec(QStringLiteral("insert or ignore into ASSO (CODASS, DENOM, "
                                              "NUMVOL, NVOLIN) values ('PORTA1', 'PORTA', 0, 0)")),
            insert);
    }
    UpdateFigures figures;
    qint64 added = 0;
    figures.bare = Timing::milliseconds([&] { added = bareHistoryUpdate(session); });
    BareConnection stor(session.folder(), QStringLiteral("stor.mdb"));
    const QString records = QStringLiteral("select count(*) from STOR");
    const qint64 before = count(stor, records);
    const qsizetype boxes = app.messages().shown().size();
    figures.ours = Timing::milliseconds([&] { app.command(QStringLiteral("mnstoagg"))(app); });
    checkNoError(app, session, QStringLiteral("history update"));
    check(app.messages().shown().size() == boxes + 1
            && app.messages().shown().last().text == QStringLiteral("Archivio storico aggiornato."),
        session,
        QStringLiteral("history update: it stopped or said something else: %1")
            .arg(app.messages().shown().value(boxes).text));
    check(added > 0 && count(stor, records) == before + added, session,
        QStringLiteral("history update: %1 records added, the bare run added %2")
            .arg(count(stor, records) - before)
            .arg(added));
    return figures;
}

} // namespace

namespace HistoryMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN)
{
    QList<double> entry[2];
    Session* sessions[2] = { &n, &tenN };
    for (int run = -1; run < entryRuns; ++run)
        for (int side = 0; side < 2; ++side) {
            const double ms = measureEntry(*sessions[side], run);
            if (run >= 0)
                entry[side] << ms;
        }
    const UpdateFigures updateN = measureHistoryUpdate(n);
    const UpdateFigures updateTenN = measureHistoryUpdate(tenN);
    TalpexExport::seed(n, n.sizes().historyRecords);
    TalpexExport::seed(tenN, tenN.sizes().historyRecords);
    QList<double> import[2];
    QList<double> bareImport[2];
    for (int run = 0; run < importRuns; ++run)
        for (int side = 0; side < 2; ++side) {
            import[side] << TalpexExport::timeImport(*sessions[side],
                QStringLiteral("registry import"), sessions[side]->sizes().historyRecords);
            qint64 loaded = 0;
            bareImport[side] << BareImport::measure(sessions[side]->folder(), loaded);
            check(loaded == sessions[side]->sizes().historyRecords, *sessions[side],
                QStringLiteral("bare registry import: %1 records loaded").arg(loaded));
        }
    const ReportRow accessImport = AccessImportMeasurement::measure(n, tenN);
    return {
        { QStringLiteral("multiple entry"), Timing::median(entry[0]), Timing::median(entry[1]), 0,
            0, 2, true, 0 },
        { QStringLiteral("history update"), updateN.ours, updateTenN.ours, updateN.bare,
            updateTenN.bare, 12, false, 3 },
        { QStringLiteral("registry import"), Timing::median(import[0]), Timing::median(import[1]),
            Timing::median(bareImport[0]), Timing::median(bareImport[1]), 13, false, 2 },
        accessImport,
    };
}

} // namespace HistoryMeasurement
