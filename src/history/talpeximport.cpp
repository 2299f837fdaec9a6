#include "talpeximport.h"

#include "app/app.h"
#include "exporttable.h"
#include "exportvolunteers.h"
#include "historywriter.h"
#include "indexesaside.h"
#include "platform/busypointer.h"
#include "platform/database.h"
#include "platform/engine.h"
#include "platform/error.h"
#include "statusprogress.h"
#include "store/queries.h"
#include "textfieldorder.h"

#include <QSet>
#include <QSqlQuery>

#include <algorithm>
#include <memory>

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

// Runs one step of reading an export file; any failure is told by the
// file's name.
template <typename Step> auto reading(const DataControl& file, Step step)
{
    try {
        return step();
    } catch (const DbError& error) {
        throw DbError(error.number(), problemWith(error, file));
    }
}

// The export's associations with what their history records take of them,
// in name order (names alike in the export's order).
QList<HistoryRecord> readAssociations(ExportTable& asso)
{
    asso.start({ QStringLiteral("CODASS"), QStringLiteral("DENOM"), QStringLiteral("INDIR"),
        QStringLiteral("CAP"), QStringLiteral("CITTA"), QStringLiteral("PROV"),
        QStringLiteral("TEL"), QStringLiteral("FAX"), QStringLiteral("MAIL") });
    QList<HistoryRecord> associations;
    while (asso.next()) {
        const auto a = [&](int i) { return asso.value(i); };
        associations.append(
            { a(0), {}, a(1), a(2), a(3), a(4), a(5), a(6), a(7), a(8), {}, {}, {} });
    }
    std::stable_sort(associations.begin(), associations.end(),
        [](const HistoryRecord& x, const HistoryRecord& y) {
            return textFieldBefore(x.denom, y.denom);
        });
    return associations;
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
        , m_tuned(database.engine().tunesPageCache())
    {
        if (!m_tuned)
            return;
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
        if (!m_tuned)
            return;
        setCacheKiB(32768);
        run(QStringLiteral("pragma secure_delete=%1").arg(m_secureDelete));
    }
    BulkRewriteSettings(const BulkRewriteSettings&) = delete;
    BulkRewriteSettings& operator=(const BulkRewriteSettings&) = delete;

private:
    void setCacheKiB(int kib) { run(QStringLiteral("pragma cache_size=-%1").arg(kib)); }
    void run(const QString& sql) { QSqlQuery(m_database.handle()).exec(sql); }
    Database& m_database;
    const bool m_tuned;
    int m_secureDelete = 0;
};

// Every history record of the export's associations goes in one pass over
// the archive (a deletion by name for each of them would look each one up
// in an index that the import rewrites anyway).
void removeHistoryOfExport(App& app, const QList<HistoryRecord>& associations)
{
    Database& stor = app.Data5.database();
    QSqlQuery query(stor.handle());
    const auto run = [&](const QString& sql) {
        if (!query.exec(sql))
            throw stor.translate(query.lastError());
    };
    // The names compare as the archive's own (without regard to case).
    run(QStringLiteral("create temp table TALPEX_DENOM (DENOM %1)").arg(stor.engine().textType()));
    QSqlQuery insert(stor.handle());
    insert.prepare(QStringLiteral("insert into TALPEX_DENOM values (?)"));
    for (const HistoryRecord& association : associations) {
        insert.addBindValue(
            association.denom.isNull() ? QString(QLatin1String("")) : association.denom);
        if (!insert.exec())
            throw stor.translate(insert.lastError());
    }
    run(QStringLiteral("delete from STOR where DENOM in (select DENOM from TALPEX_DENOM)"));
    run(QStringLiteral("drop table TALPEX_DENOM"));
}

void importAll(App& app)
{
    const BusyPointer busy;
    const ExportFilesOpen exportFiles(app);
    // Each export file may be the desk's own kind or one saved by Access.
    const std::unique_ptr<ExportTable> asso
        = reading(app.Data1, [&] { return ExportTable::open(app.Data1); });
    reading(app.Data1, [&] { return asso->count(); });
    const std::unique_ptr<ExportTable> volo
        = reading(app.Data2, [&] { return ExportTable::open(app.Data2); });
    const qint64 volunteers = reading(app.Data2, [&] { return volo->count(); });
    const ExportVolunteers exported = [&] {
        StatusProgress progress(app, QStringLiteral("Lettura dei volontari TALPEX"), volunteers);
        return reading(app.Data2, [&] { return ExportVolunteers(*volo, progress); });
    }();
    const QList<HistoryRecord> associations
        = reading(app.Data1, [&] { return readAssociations(*asso); });

    StatusProgress progress(app, QStringLiteral("Agg. storico da TALPEX"), volunteers);
    const BulkRewriteSettings settings(app.Data5.database());
    Transaction import(app.Data5);
    IndexesSetAside indexes(app.Data5.database(), app.Data5.table());
    removeHistoryOfExport(app, associations);
    HistoryWriter writer(app.Data5);
    // Two associations of the export with the same name: the later one's
    // volunteers replace the earlier one's, as its history would.
    QSet<QString> namesMet;
    qint64 done = 0;
    for (HistoryRecord record : associations) {
        const QString name = textFieldKey(record.denom);
        if (namesMet.contains(name))
            cancellastorass(writer, record.denom);
        namesMet.insert(name);
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

void cancellastorass(HistoryWriter& writer, const QString& denom)
{
    writer.removeAssociation(denom);
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
