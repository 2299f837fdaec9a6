#include "seeder.h"

#include "app/initialfolder.h"
#include "bulkwriter.h"
#include "store/schema.h"
#include "syntheticdata.h"

#include <QDir>
#include <QVector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Every history association has this many records on average.
constexpr int HistoryRecordsPerAssociation = 200;

QString associationCode(int index)
{
    return SyntheticData::placeOf(index / 10).province
        + QStringLiteral("%1").arg(index % 10000, 4, 10, QLatin1Char('0'));
}

void seedHistory(const QString& folder, int records)
{
    BulkWriter writer(QDir(folder).filePath(QStringLiteral("stor.mdb")),
        *Schema::find(QStringLiteral("stor.mdb")));
    SyntheticData data(1001);
    const int associations = qMax(1, records / HistoryRecordsPerAssociation);
    QVector<int> lastCode(associations, 0);
    for (int i = 0; i < records; ++i) {
        const int association = data.below(associations);
        const int code = ++lastCode[association] % 10000;
        const QString surname = data.surname();
        const QString name = data.givenName();
        const SyntheticData::Place place = data.place();
        writer.insert(
            { associationCode(association), QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0')),
                SyntheticData::associationName(association), surname, name, data.street(),
                place.postCode, place.city, place.province, data.phone(), QString(),
                data.mail(name + QLatin1Char('.') + surname), data.specialization() });
    }
    writer.finish();
}

void seedAssociations(const QString& folder, int associations)
{
    BulkWriter writer(QDir(folder).filePath(QStringLiteral("asso.mdb")),
        *Schema::find(QStringLiteral("asso.mdb")));
    SyntheticData data(2002);
    for (int i = 0; i < associations; ++i) {
        const SyntheticData::Place place = SyntheticData::placeOf(i / 10);
        const QString manager = data.givenName() + QLatin1Char(' ') + data.surname();
        writer.insert({ associationCode(i), SyntheticData::associationName(i), data.street(),
            place.postCode, place.city, place.province, data.phone(), data.phone(),
            data.mail(QStringLiteral("segreteria%1").arg(i)), QString::number(1 + data.below(4)), 0,
            0, data.taxCode(), data.specialization(), data.date(), data.date(), manager,
            data.phone(), QString() });
    }
    writer.finish();
}

void seedVolunteers(const QString& folder, int volunteers, int associations)
{
    BulkWriter writer(QDir(folder).filePath(QStringLiteral("emervol.mdb")),
        *Schema::find(QStringLiteral("emervol.mdb")));
    SyntheticData data(3003);
    for (int i = 0; i < volunteers; ++i) {
        // About one in five has already left the camp.
        const bool left = data.below(5) == 0;
        writer.insert({ QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0')),
            SyntheticData::associationName(data.below(associations)), data.surname(),
            data.givenName(), QString::number(1 + data.below(4)),
            QStringLiteral("T%1").arg(1 + data.below(60)), data.specialization(), data.date(),
            data.time(), left ? data.date() : QString(), left ? data.time() : QString() });
    }
    writer.finish();
}

} // namespace

namespace Seeder {

void seed(const QString& folder, const ArchiveSizes& sizes)
{
    InitialFolder::layDown(folder);
    seedHistory(folder, sizes.historyRecords);
    seedAssociations(folder, sizes.associations);
    seedVolunteers(folder, sizes.volunteers, sizes.associations);
#ifdef Q_OS_UNIX
    // The archives are written without waiting for the disk; let the disk
    // catch up now, or its flushing would slow the commits being timed.
    ::sync();
#endif
}

} // namespace Seeder
