#include "talpeximport.h"

#include "app/app.h"
#include "exportvolunteers.h"
#include "historywriter.h"
#include "indexesaside.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "statusprogress.h"
#include "store/historyqueries.h"
#include "store/queries.h"

#include <QSet>
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

// The association's part of its history records.
HistoryRecord historyRecordOf(const Recordset& association)
{
    const auto a = [&](const char* name) { return association.field(QString::fromLatin1(name)); };
    return { a("CODASS"), {}, a("DENOM"), a("INDIR"), a("CAP"), a("CITTA"), a("PROV"), a("TEL"),
        a("FAX"), a("MAIL"), {}, {}, {} };
}

ExportVolunteers readVolunteers(App& app, qint64 volunteers)
{
    StatusProgress progress(app, QStringLiteral("Lettura dei volontari TALPEX"), volunteers);
    try {
        return ExportVolunteers(app.Data2, progress);
    } catch (const DbError& error) {
        throw DbError(error.number(), problemWith(error, app.Data2));
    }
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
// again. The usual settings come back when it ends.
class BulkRewriteSettings
{
public:
    explicit BulkRewriteSettings(Database& database)
        : m_database(database)
    {
        QSqlQuery current(m_database.handle());
        if (current.exec(QStringLiteral("pragma secure_delete")) && current.next())
            m_secureDelete = current.value(0).toInt();
        setCacheKiB(1048576);
        // Pages the import frees (the indexes set aside, the old records)
        // are not overwritten with zeros one by one: only the parts of pages
        // it writes anyway are cleared.
        run(QStringLiteral("pragma secure_delete=FAST"));
    }
    ~BulkRewriteSettings()
    {
        setCacheKiB(32768);
        run(QStringLiteral("pragma secure_delete=%1").arg(m_secureDelete));
    }
    BulkRewriteSettings(const BulkRewriteSettings&) = delete;
    BulkRewriteSettings& operator=(const BulkRewriteSettings&) = delete;

private:
    void setCacheKiB(int kib) { run(QStringLiteral("pragma cache_size=-%1").arg(kib)); }
    void run(const QString& sql) { QSqlQuery(m_database.handle()).exec(sql); }
    Database& m_database;
    int m_secureDelete = 0;
};

// Every history record of the export's associations goes in one pass over
// the archive (a deletion by name for each of them would look each one up
// in an index that the import rewrites anyway).
void removeHistoryOfExport(App& app)
{
    Database& stor = app.Data5.database();
    QSqlQuery query(stor.handle());
    const auto run = [&](const QString& sql) {
        if (!query.exec(sql))
            throw stor.translate(query.lastError());
    };
    run(QStringLiteral("create temp table TALPEX_DENOM (DENOM TEXT)"));
    QSqlQuery insert(stor.handle());
    insert.prepare(QStringLiteral("insert into temp.TALPEX_DENOM values (?)"));
    app.Data1.setRecordSource(HistoryQueries::talpexAssociationsByName);
    app.Data1.refresh();
    for (Recordset& association = app.Data1.recordset(); !association.eof();
         association.moveNext()) {
        const QString denom = association.field(QStringLiteral("DENOM"));
        insert.addBindValue(denom.isNull() ? QString(QLatin1String("")) : denom);
        if (!insert.exec())
            throw stor.translate(insert.lastError());
    }
    run(QStringLiteral(
        "delete from main.STOR where DENOM in (select DENOM from temp.TALPEX_DENOM)"));
    run(QStringLiteral("drop table temp.TALPEX_DENOM"));
}

void importAll(App& app)
{
    const BusyPointer busy;
    const ExportFilesOpen exportFiles(app);
    countRecords(app.Data1, HistoryQueries::talpexAssociationCount);
    const qint64 volunteers = countRecords(app.Data2, HistoryQueries::talpexVolunteerCount);
    const ExportVolunteers exported = readVolunteers(app, volunteers);

    StatusProgress progress(app, QStringLiteral("Agg. storico da TALPEX"), volunteers);
    const BulkRewriteSettings settings(app.Data5.database());
    Transaction import(app.Data5);
    IndexesSetAside indexes(app.Data5.database(), app.Data5.table());
    removeHistoryOfExport(app);
    HistoryWriter writer(app.Data5);
    // Two associations of the export with the same name: the later one's
    // volunteers replace the earlier one's, as its history would.
    QSet<QString> namesMet;
    app.Data1.setRecordSource(HistoryQueries::talpexAssociationsByName);
    app.Data1.refresh();
    qint64 done = 0;
    for (Recordset& association = app.Data1.recordset(); !association.eof();
         association.moveNext()) {
        const QString name = textFieldKey(association.field(QStringLiteral("DENOM")));
        if (namesMet.contains(name))
            cancellastorass(app, writer);
        namesMet.insert(name);
        HistoryRecord record = historyRecordOf(association);
        for (const ExportVolunteer& volunteer : exported.ofAssociation(record.codass)) {
            record.codvol = volunteer.codvol;
            record.cogn = volunteer.cogn;
            record.nome = volunteer.nome;
            record.spec = volunteer.spec;
            writer.insert(record);
            progress.step(++done);
        }
    }
    indexes.restore();
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
