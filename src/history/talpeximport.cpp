#include "talpeximport.h"

#include "app/app.h"
#include "historywriter.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "statusprogress.h"
#include "store/historyqueries.h"
#include "store/queries.h"

#include <QSqlQuery>

namespace {

const QString unchanged = QStringLiteral(" L'archivio storico non è stato modificato.");

QString problemWith(const DbError& error, const DataControl& file)
{
    switch (error.number()) {
    case DbError::FileNotFound:
        return QStringLiteral("Manca il file %1 esportato da TALPEX.").arg(file.fileName());
    case DbError::NotADatabase:
        return QStringLiteral("Il file %1 esportato da TALPEX è danneggiato o non è un archivio.")
            .arg(file.fileName());
    case DbError::TableNotFound:
        return QStringLiteral("Il file %1 esportato da TALPEX non contiene la tabella %2.")
            .arg(file.fileName(), file.table());
    default:
        return QStringLiteral("Il file %1 esportato da TALPEX non si può leggere: %2")
            .arg(file.fileName(), error.description());
    }
}

// Opens an export file and counts its records; any failure is told by the
// file's name.
qint64 countRecords(DataControl& file, const QString& countSql)
{
    try {
        file.setRecordSource(countSql);
        file.refresh();
        const qint64 count = file.recordset().field(QStringLiteral("N")).toLongLong();
        file.endReading();
        return count;
    } catch (const DbError& error) {
        throw DbError(error.number(), problemWith(error, file));
    }
}

HistoryRecord historyRecordOf(const Recordset& association, const Recordset& volunteer)
{
    const auto a = [&](const char* name) { return association.field(QString::fromLatin1(name)); };
    const auto v = [&](const char* name) { return volunteer.field(QString::fromLatin1(name)); };
    return { a("CODASS"), v("CODVOL"), a("DENOM"), a("INDIR"), a("CAP"), a("CITTA"), a("PROV"),
        a("TEL"), a("FAX"), a("MAIL"), v("COGN"), v("NOME"), v("SPEC") };
}

// The export files are opened anew for each import and let go after it: the
// operator copies TALPEX's new export over the old one between imports.
class ExportFilesOpen
{
public:
    explicit ExportFilesOpen(App& app)
        : m_app(app)
    {
        release();
    }
    ~ExportFilesOpen() { release(); }
    ExportFilesOpen(const ExportFilesOpen&) = delete;
    ExportFilesOpen& operator=(const ExportFilesOpen&) = delete;

private:
    void release()
    {
        m_app.Data1.closeDatabase();
        m_app.Data2.closeDatabase();
    }
    App& m_app;
};

// The import rewrites most of a large archive in one transaction: its
// pages stay in memory meanwhile instead of being written out and read back
// again. The usual cache comes back when it ends.
class LargeCache
{
public:
    explicit LargeCache(Database& database)
        : m_database(database)
    {
        setCacheKiB(262144);
    }
    ~LargeCache() { setCacheKiB(32768); }
    LargeCache(const LargeCache&) = delete;
    LargeCache& operator=(const LargeCache&) = delete;

private:
    void setCacheKiB(int kib)
    {
        QSqlQuery(m_database.handle()).exec(QStringLiteral("pragma cache_size=-%1").arg(kib));
    }
    Database& m_database;
};

void importAll(App& app)
{
    const BusyPointer busy;
    const ExportFilesOpen exportFiles(app);
    countRecords(app.Data1, HistoryQueries::talpexAssociationCount);
    const qint64 volunteers = countRecords(app.Data2, HistoryQueries::talpexVolunteerCount);
    StatusProgress progress(app, QStringLiteral("Agg. storico da TALPEX"), volunteers);

    const LargeCache cache(app.Data5.database());
    Transaction import(app.Data5);
    HistoryWriter writer(app.Data5);
    app.Data1.setRecordSource(HistoryQueries::talpexAssociationsByName);
    app.Data1.refresh();
    qint64 done = 0;
    for (Recordset& association = app.Data1.recordset(); !association.eof();
         association.moveNext()) {
        cancellastorass(app, writer);
        app.Data2.setRecordSource(HistoryQueries::talpexVolunteersOfAssociation,
            { association.field(QStringLiteral("CODASS")) });
        app.Data2.refresh();
        for (Recordset& volunteer = app.Data2.recordset(); !volunteer.eof(); volunteer.moveNext()) {
            writer.insert(historyRecordOf(association, volunteer));
            progress.step(++done);
        }
    }
    import.commit();
    app.Data5.setRecordSource(Queries::anyHistoryRecord);
}

} // namespace

void cancellastorass(App& app, HistoryWriter& writer)
{
    writer.removeAssociation(app.Data1.recordset().field(QStringLiteral("DENOM")));
}

void importastorico(App& app)
{
    try {
        importAll(app);
    } catch (const DbError& error) {
        // The transaction was rolled back on the way out.
        app.say(error.description() + unchanged);
        return;
    }
    app.say(QStringLiteral("Storico aggiornato da TALPEX."));
}
