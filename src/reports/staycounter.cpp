#include "staycounter.h"

#include "platform/changesource.h"
#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/engine.h"
#include "platform/error.h"
#include "store/reportqueries.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QVariant>
#include <qplatformdefs.h>

#include <limits>
#include <utility>

namespace {

// yyyymmdd of a dd/mm/yyyy text of digits; -1 for anything else.
qint64 plainDate(const QString& text)
{
    if (text.size() != 10 || text[2] != QLatin1Char('/') || text[5] != QLatin1Char('/'))
        return -1;
    for (int i : { 0, 1, 3, 4, 6, 7, 8, 9 })
        if (!text[i].isDigit())
            return -1;
    return (text.mid(6, 4) + text.mid(3, 2) + text.mid(0, 2)).toLongLong();
}

// Minutes of an hh.mm or hh:mm text of digits (up to "24.00" and beyond);
// -1 for anything else.
qint64 plainTime(const QString& text)
{
    if (text.size() != 5 || (text[2] != QLatin1Char('.') && text[2] != QLatin1Char(':')))
        return -1;
    for (int i : { 0, 1, 3, 4 })
        if (!text[i].isDigit())
            return -1;
    return text.mid(0, 2).toLongLong() * 60 + text.mid(3, 2).toLongLong();
}

void run(QSqlQuery& query, const Database& database)
{
    if (!query.exec())
        throw database.translate(query.lastError());
}

PresenceRecord recordOf(const QSqlQuery& query)
{
    return { QString(), query.value(1).toString(), query.value(2).toString(),
        query.value(3).toString(), query.value(4).toString() };
}

} // namespace

StayCounter::StayCounter(DataControl& connection, Queries queries)
    : m_connection(connection)
    , m_queries(std::move(queries))
    , m_readerName(QStringLiteral("ostrale-stays-%1").arg(quintptr(this)))
{
}

StayCounter::~StayCounter()
{
    m_row = QSqlQuery();
    m_changes.reset();
    QSqlDatabase::database(m_readerName, false).close();
    QSqlDatabase::removeDatabase(m_readerName);
}

ChangeSource* StayCounter::changeSource()
{
    // Asked once, on the first look: the engine is chosen before it.
    if (!m_changesAsked) {
        m_changesAsked = true;
        m_changes = m_connection.database().engine().watchChanges(
            m_connection.fileName(), m_queries.table);
    }
    return m_changes.get();
}

QSqlDatabase StayCounter::reader()
{
    if (ChangeSource* changes = changeSource())
        return changes->reader();
    QSqlDatabase db = QSqlDatabase::contains(m_readerName)
        ? QSqlDatabase::database(m_readerName, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_readerName);
    if (!db.isOpen()) {
        db.setDatabaseName(QDir::current().absoluteFilePath(m_connection.fileName()));
        // It only reads, but is not opened read-only: a read-only connection
        // leaves the write-ahead log and its index beside the file when it
        // closes; this one removes them when it is the file's last.
        if (!db.open())
            throw m_connection.database().translate(db.lastError());
    }
    return db;
}

QList<qint64> StayCounter::fileStamp() const
{
    // Every commit to the register writes its file or its write-ahead log,
    // whoever makes it: their sizes and times (to the nanosecond) say
    // whether anything was committed since the last look, without a query.
    const QByteArray path
        = QFile::encodeName(QDir::current().absoluteFilePath(m_connection.fileName()));
    QList<qint64> stamp;
    for (const QByteArray& file : { path, path + "-wal" }) {
        QT_STATBUF info;
        if (QT_STAT(file.constData(), &info) != 0) {
            stamp << -1 << -1 << -1;
            continue;
        }
#if defined(Q_OS_LINUX)
        const qint64 nanoseconds = info.st_mtim.tv_nsec;
#else
        const qint64 nanoseconds = 0;
#endif
        stamp << qint64(info.st_size) << qint64(info.st_mtime) << nanoseconds;
    }
    return stamp;
}

qint64 StayCounter::momentOf(const QString& date, const QString& time)
{
    const qint64 day = plainDate(date);
    const qint64 minutes = plainTime(time);
    return day < 0 || minutes < 0 ? -1 : day * 10000 + minutes;
}

StayCounter::Stay StayCounter::stayOf(const PresenceRecord& record)
{
    // The rule read as an interval: present from the arrival (an empty
    // arrival date or time admits every earlier moment) to the departure (an
    // empty date is "still here", an empty time the end of the day, 24.00).
    Stay stay;
    stay.texts = record;
    if (record.arrivalDate.isEmpty()) {
        stay.from = std::numeric_limits<qint64>::min();
    } else {
        const qint64 day = plainDate(record.arrivalDate);
        const qint64 minutes = record.arrivalTime.isEmpty() ? 0 : plainTime(record.arrivalTime);
        if (day < 0 || minutes < 0)
            return stay;
        stay.from = day * 10000 + minutes;
    }
    if (record.departureDate.isEmpty()) {
        stay.to = std::numeric_limits<qint64>::max();
    } else {
        const qint64 day = plainDate(record.departureDate);
        const qint64 minutes = plainTime(
            record.departureTime.isEmpty() ? QStringLiteral("24.00") : record.departureTime);
        if (day < 0 || minutes < 0)
            return stay;
        stay.to = day * 10000 + minutes;
    }
    stay.plain = true;
    return stay;
}

bool StayCounter::presentAt(const Stay& stay) const
{
    if (stay.plain && m_momentValue >= 0)
        return stay.from <= m_momentValue && m_momentValue <= stay.to;
    return isPresent(stay.texts, m_moment);
}

int StayCounter::countAt(const QString& date, const QString& time)
{
    if (m_counted && m_moment.date == date && m_moment.time == time)
        return m_count;
    m_moment = { date, time, QString() };
    m_momentValue = momentOf(date, time);
    m_count = 0;
    for (const Stay& stay : std::as_const(m_stays))
        m_count += presentAt(stay);
    m_counted = true;
    return m_count;
}

bool StayCounter::syncTold()
{
    std::optional<QSet<qint64>> rows;
    try {
        rows = m_changes->takeChanges();
    } catch (const OstraleError&) {
        // The source's connection is gone: the row statement with it.
        m_row = QSqlQuery();
        m_rowPrepared = false;
        throw;
    }
    if (!rows) {
        // Perhaps a new connection: the row statement is prepared anew.
        m_row = QSqlQuery();
        m_rowPrepared = false;
    }
    if (!rows || !m_loaded || rows->size() > qMax<qsizetype>(1000, m_stays.size() / 20)) {
        reloadAll();
        return true;
    }
    if (rows->isEmpty())
        return false;
    for (qint64 row : *rows)
        reloadRow(row);
    return true;
}

bool StayCounter::sync()
{
    if (changeSource())
        return syncTold();
    Database& database = m_connection.database();
    if (!database.isOpen()) {
        // The program has not opened the register (or let it go): nothing
        // was changed through it, and it is not opened for the count's
        // sake, so whatever the program meets later stays as it was.
        m_generation = -1;
        const QList<qint64> stamp = fileStamp();
        if (stamp == m_stamp && m_loaded)
            return false;
        m_stamp = stamp;
        reloadAll();
        return true;
    }
    if (database.generation() != m_generation) {
        // A new opening of the file (a maintenance replaced it): start again.
        m_generation = database.generation();
        m_row = QSqlQuery();
        m_rowPrepared = false;
        reader().close();
        watchChanges();
        m_stamp = fileStamp();
        m_versions = versions();
        reloadAll();
        return true;
    }
    // Nothing committed since the last look, by anyone: nothing to read.
    // Both are read before the stays, so a commit made meanwhile is seen at
    // the next look.
    const QList<qint64> stamp = fileStamp();
    const Versions seen = versions();
    if (stamp == m_stamp && seen == m_versions)
        return false;
    m_stamp = stamp;
    QSqlQuery& changed = m_changedRows;
    run(changed, database);
    QList<qint64> rows;
    while (changed.next())
        rows << changed.value(0).toLongLong();
    changed.finish();
    // Another connection committed, or the file changed with no row changed
    // through the program (another program replaced it): any row may differ.
    // A change of most of the register (a departure of everybody) is read
    // faster in one pass than row by row.
    if (seen.others != m_versions.others || rows.isEmpty()
        || rows.size() > qMax<qsizetype>(1000, m_stays.size() / 20)) {
        reloadAll();
    } else {
        for (qint64 row : rows)
            reloadRow(row);
    }
    run(m_forgetChangedRows, database);
    m_forgetChangedRows.finish();
    // Forgetting the rows is a change of the program's own; what others
    // committed stays as it was read above.
    m_versions = { seen.others, versions().own };
    return true;
}

StayCounter::Versions StayCounter::versions()
{
    QSqlQuery& query = m_versionsQuery;
    run(query, m_connection.database());
    Versions seen;
    if (query.next())
        seen = { query.value(0).toLongLong(), query.value(1).toLongLong() };
    // Ends the statement's reading at once: an open reading would keep the
    // connection on the file as it was.
    query.finish();
    return seen;
}

void StayCounter::watchChanges()
{
    QSqlDatabase db = m_connection.database().handle();
    const QStringList statements { ReportQueries::temporaryTablesInMemory,
        ReportQueries::changedRowsTable, ReportQueries::noteInsertedRows.arg(m_queries.table),
        ReportQueries::noteUpdatedRows.arg(m_queries.table),
        ReportQueries::noteDeletedRows.arg(m_queries.table), ReportQueries::forgetChangedRows };
    for (const QString& statement : statements) {
        QSqlQuery query(db);
        query.prepare(statement);
        run(query, m_connection.database());
    }
    // Asked after every operation: prepared once for this opening.
    m_changedRows = QSqlQuery(db);
    m_changedRows.setForwardOnly(true);
    m_changedRows.prepare(ReportQueries::changedRows);
    m_forgetChangedRows = QSqlQuery(db);
    m_forgetChangedRows.prepare(ReportQueries::forgetChangedRows);
    m_versionsQuery = QSqlQuery(db);
    m_versionsQuery.setForwardOnly(true);
    m_versionsQuery.prepare(ReportQueries::connectionVersions);
}

void StayCounter::reloadAll()
{
    m_loaded = false;
    m_counted = false;
    m_stays.clear();
    // A missing register holds nobody; it is not created for the count (the
    // reader may write), so the program still finds it missing.
    if (!m_changes && !QFile::exists(QDir::current().absoluteFilePath(m_connection.fileName()))) {
        m_loaded = true;
        return;
    }
    {
        QSqlQuery query(reader());
        query.setForwardOnly(true);
        query.prepare(m_queries.all);
        run(query, m_connection.database());
        while (query.next())
            m_stays.insert(query.value(0).toLongLong(), stayOf(recordOf(query)));
    }
    // The reader lets go of the file at once: a register can be compacted
    // or swapped for a restored one, and its write-ahead log is removed at
    // exit, only while no other connection holds it. (The server's reader
    // stays, listening.)
    if (!m_changes)
        QSqlDatabase::database(m_readerName, false).close();
    m_loaded = true;
}

void StayCounter::reloadRow(qint64 row)
{
    // A row the program changed is read back through the program's own
    // connection, which always sees its own commits; a row the server told
    // of, through the source's connection, so that no reading open on the
    // program's connection is disturbed.
    if (!m_rowPrepared) {
        m_row = QSqlQuery(m_changes ? m_changes->reader() : m_connection.database().handle());
        m_row.setForwardOnly(true);
        m_row.prepare(m_queries.oneRow);
        m_rowPrepared = true;
    }
    QSqlQuery& query = m_row;
    query.addBindValue(row);
    run(query, m_connection.database());
    const auto old = m_stays.constFind(row);
    if (m_counted && old != m_stays.cend())
        m_count -= presentAt(old.value());
    if (query.next()) {
        const Stay stay = stayOf(recordOf(query));
        if (m_counted)
            m_count += presentAt(stay);
        m_stays.insert(row, stay);
    } else {
        m_stays.remove(row);
    }
    query.finish();
}
