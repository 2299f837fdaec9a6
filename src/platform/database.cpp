#include "database.h"

#include "datacontrol.h"
#include "error.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <atomic>
#include <optional>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter { 0 };
    return QStringLiteral("ostrale-db-%1").arg(++counter);
}

// SQLite result codes we give their own meaning.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteConstraint = 19;

} // namespace

Database::Database(QString fileName)
    : m_fileName(std::move(fileName))
    , m_connectionName(nextConnectionName())
{
}

Database::~Database()
{
    close();
}

void Database::open()
{
    const QString path = QDir::current().absoluteFilePath(m_fileName);
    if (isOpen()) {
        if (path == m_openPath)
            return;
        close(); // the current folder changed: follow the bare name
    }
    if (!QFileInfo(path).isFile())
        throw DbError(
            DbError::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(path));

    std::optional<DbError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        db.setConnectOptions(m_foreign
                ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY")
                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            failure = translate(db.lastError(), path);
        } else {
            QSqlQuery probe(db);
            // SQLite opens lazily: reading the schema is what reveals a damaged file.
            if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
                failure = translate(probe.lastError(), path);
            } else {
                if (!m_foreign) {
                    // Every acknowledged change must survive a crash or a power
                    // cut. A read-only file cannot switch journal: it still
                    // reads as it is.
                    probe.exec(QStringLiteral("pragma journal_mode=WAL"));
                    probe.exec(QStringLiteral("pragma synchronous=FULL"));
                }
                // Room for a large register in memory, so that long ordered
                // scans do not read the same pages again and again.
                probe.exec(QStringLiteral("pragma cache_size=-32768"));
            }
        }
        if (!failure)
            m_db = db;
    }
    if (failure) {
        close();
        throw *failure;
    }
    m_openPath = path;
    ++m_generation;
    if (m_onOpen)
        m_onOpen(m_db);
}

void Database::close()
{
    if (m_db.isValid()) {
        // Every change goes into the file itself before it is let go, so the
        // file is complete without its write-ahead log (copied by hand, or
        // read by another program).
        if (m_db.isOpen() && !m_foreign)
            QSqlQuery(m_db).exec(QStringLiteral("pragma wal_checkpoint(TRUNCATE)"));
        m_db.close();
        m_db = QSqlDatabase();
    }
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
    m_openPath.clear();
}

QSqlDatabase Database::handle()
{
    if (!isOpen())
        open();
    return m_db;
}

void Database::beginTransaction()
{
    QSqlDatabase db = handle();
    if (!db.transaction())
        throw translate(db.lastError(), m_fileName);
}

void Database::commit()
{
    QSqlDatabase db = handle();
    if (!db.commit())
        throw translate(db.lastError(), m_fileName);
}

void Database::rollback()
{
    if (isOpen())
        QSqlDatabase::database(m_connectionName, false).rollback();
}

DbError Database::translate(const QSqlError& error, const QString& fileName)
{
    const int code = error.nativeErrorCode().toInt();
    const int primary = code & 0xff;
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (primary == SqliteConstraint && text.contains(QLatin1String("UNIQUE"), Qt::CaseInsensitive))
        return DbError(DbError::DuplicateKey,
            QStringLiteral("Le modifiche richieste alla tabella non sono state apportate perché "
                           "creerebbero valori duplicati nell'indice o nella chiave primaria."));
    if (primary == SqliteNotADatabase || primary == SqliteCorrupt)
        return DbError(DbError::NotADatabase,
            QStringLiteral("Formato di database non riconosciuto '%1'.").arg(fileName));
    if (primary == SqliteReadOnly || primary == SqliteCantOpen)
        return DbError(DbError::ReadOnly,
            QStringLiteral("Impossibile aprire o scrivere il file '%1': il file è di sola "
                           "lettura o non accessibile.")
                .arg(fileName));
    if (text.startsWith(QLatin1String("no such table"), Qt::CaseInsensitive))
        return DbError(DbError::TableNotFound,
            QStringLiteral("Impossibile trovare la tabella o la query di input '%1' nel file '%2'.")
                .arg(text.section(QLatin1Char(':'), 1).trimmed(), fileName));
    return DbError(DbError::EngineFailure,
        QStringLiteral("Errore del motore di database sul file '%1': %2").arg(fileName, text));
}

Transaction::Transaction(Database& database)
    : m_database(database)
{
    m_database.beginTransaction();
}

Transaction::Transaction(DataControl& connection)
    : m_database(connection.database())
{
    connection.endReading();
    m_database.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_database.rollback();
}

void Transaction::commit()
{
    m_database.commit();
    m_done = true;
}
