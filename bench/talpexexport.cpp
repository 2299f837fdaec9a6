#include "talpexexport.h"

#include "app/app.h"
#include "bareconnection.h"
#include "bulkwriter.h"
#include "checks.h"
#include "session.h"
#include "store/schema.h"
#include "syntheticdata.h"
#include "timing.h"

#include <QDir>
#include <QSqlQuery>

namespace {

using Checks::check;
using Checks::checkNoError;

qint64 count(BareConnection& connection, const QString& sql)
{
    QSqlQuery query(connection.db());
    requireSql(query.exec(sql), query);
    requireSql(query.next(), query);
    return query.value(0).toLongLong();
}

QString associationCode(int index)
{
    return SyntheticData::placeOf(index / 10).province
        + QStringLiteral("%1").arg(index % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

namespace TalpexExport {

void seed(Session& session, qint64 volunteers)
{
    const int associations = session.sizes().associations;
    {
        BulkWriter writer(QDir(session.folder()).filePath(QStringLiteral("assoesp.mdb")),
            *Schema::find(QStringLiteral("assoesp.mdb")));
        SyntheticData data(4004);
        for (int i = 0; i < associations; ++i) {
            const SyntheticData::Place place = SyntheticData::placeOf(i / 10);
            QVariantList values { associationCode(i), SyntheticData::associationName(i),
                data.street(), place.postCode, place.city, place.province, data.phone(),
                data.phone(), data.mail(QStringLiteral("sede%1").arg(i)), QString(), 0, 0 };
            while (values.size() < 22)
                values << QString();
            writer.insert(values);
        }
        writer.finish();
    }
    BulkWriter writer(QDir(session.folder()).filePath(QStringLiteral("voloesp.mdb")),
        *Schema::find(QStringLiteral("voloesp.mdb")));
    SyntheticData data(5005);
    for (qint64 i = 0; i < volunteers; ++i) {
        const SyntheticData::Place place = data.place();
        QVariantList values { QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0')),
            associationCode(data.below(associations)), data.surname(), data.givenName(),
            data.street(), place.postCode, place.city, place.province, data.phone(), QString(),
            QString(), data.specialization() };
        while (values.size() < 19)
            values << QString();
        writer.insert(values);
    }
    writer.finish();
}

// Each import replaces every history record of the export's associations
// with the export's, so running it again on the same files measures the
// same work.
double timeImport(
    Session& session, const QString& operation, qint64 volunteers, const QString& associations)
{
    App& app = session.program();
    const qsizetype boxes = app.messages().shown().size();
    const double ms
        = Timing::milliseconds([&] { app.command(QStringLiteral("mnaggstotalpex"))(app); });
    checkNoError(app, session, operation);
    check(app.messages().shown().size() == boxes + 1
            && app.messages().shown().last().text
                == QStringLiteral("Storico aggiornato da TALPEX."),
        session, operation + QStringLiteral(": it failed or said something else"));
    BareConnection stor(session.folder(), QStringLiteral("stor.mdb"));
    QSqlQuery attach(stor.db());
    requireSql(
        attach.exec(QStringLiteral("attach database '%1' as talpex")
                        .arg(associations.isEmpty()
                                ? QDir(session.folder()).filePath(QStringLiteral("assoesp.mdb"))
                                : associations)),
        attach);
    const qint64 imported = count(stor,
        QStringLiteral("select count(*) from STOR where DENOM in (select DENOM from talpex.ASSO)"));
    check(imported == volunteers, session,
        operation + QStringLiteral(": %1 records of TALPEX's associations").arg(imported));
    return ms;
}

} // namespace TalpexExport
