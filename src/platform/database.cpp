#include "database.h"

#include "datacontrol.h"
#include "engine.h"
#include "error.h"

#include <QSqlQuery>

#include <atomic>
#include <optional>

namespace {

// Enough for every record source a window switches between, and for the
// writes of its few forms.
constexpr std::size_t StatementsKept = 16;

QString nextConnectionName()
{
    static std::atomic<int> counter { 0 };
    return QStringLiteral("ostrale-db-%1").arg(++counter);
}

} // namespace

Database::Database(QString fileName)
    : m_fileName(std::move(fileName))
    , m_connectionName(nextConnectionName())
    , m_engine(&Engine::registers())
{
}

Database::~Database()
{
    close();
}

void Database::setForeign()
{
    close();
    m_foreign = true;
    m_engine = &Engine::files();
}

void Database::open()
{
    const QString location = m_engine->location(m_fileName);
    if (isOpen()) {
        if (location == m_openPath)
            return;
        close(); // the current folder changed: follow the bare name
    } else if (m_db.isValid()) {
        close(); // the connection is gone (a server lost): a new one replaces it
    }
    std::optional<DbError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_engine->driverName(), m_connectionName);
        try {
            m_engine->open(db, location, m_foreign);
            m_db = db;
        } catch (const DbError& error) {
            failure = error;
        }
    }
    if (failure) {
        close();
        throw *failure;
    }
    m_openPath = location;
    ++m_generation;
    if (m_onOpen)
        m_onOpen(m_db);
}

void Database::close()
{
    const QString readerName = m_connectionName + QStringLiteral("-read");
    dropStatements(readerName);
    dropStatements(m_connectionName);
    if (m_reader.isValid()) {
        m_reader.close();
        m_reader = QSqlDatabase();
    }
    if (QSqlDatabase::contains(readerName))
        QSqlDatabase::removeDatabase(readerName);
    m_inTransaction = false;
    if (m_db.isValid()) {
        if (m_db.isOpen())
            m_engine->closing(m_db, m_foreign);
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

QSqlDatabase Database::readHandle()
{
    QSqlDatabase db = handle();
    if (m_inTransaction || !m_engine->readsApart())
        return db;
    if (m_reader.isOpen())
        return m_reader;
    const QString readerName = m_connectionName + QStringLiteral("-read");
    std::optional<DbError> failure;
    {
        QSqlDatabase reader = QSqlDatabase::contains(readerName)
            ? QSqlDatabase::database(readerName, false)
            : QSqlDatabase::addDatabase(m_engine->driverName(), readerName);
        try {
            dropStatements(readerName); // prepared on a connection now gone
            m_engine->open(reader, m_openPath, m_foreign);
            m_reader = reader;
        } catch (const DbError& error) {
            failure = error;
        }
    }
    if (failure) {
        if (QSqlDatabase::contains(readerName))
            QSqlDatabase::removeDatabase(readerName);
        throw *failure;
    }
    return m_reader;
}

bool Database::readsBuffered() const
{
    return m_inTransaction && m_engine->readsApart();
}

void Database::beginTransaction()
{
    QSqlDatabase db = handle();
    if (!db.transaction())
        throw translate(db.lastError());
    m_inTransaction = true;
}

void Database::commit()
{
    QSqlDatabase db = handle();
    if (!db.commit())
        throw translate(db.lastError());
    m_inTransaction = false;
}

void Database::rollback()
{
    if (isOpen())
        QSqlDatabase::database(m_connectionName, false).rollback();
    m_inTransaction = false;
}

std::shared_ptr<QSqlQuery> Database::prepared(
    QSqlDatabase db, const QString& sql, Use use, bool forwardOnly)
{
    const QString connection = db.connectionName();
    for (auto it = m_statements.begin(); it != m_statements.end(); ++it) {
        if (it->use != use || it->forwardOnly != forwardOnly || it->connection != connection
            || it->sql != sql)
            continue;
        std::shared_ptr<QSqlQuery> query = it->query;
        if (it + 1 != m_statements.end()) {
            KeptStatement kept = std::move(*it);
            m_statements.erase(it);
            m_statements.push_back(std::move(kept));
        }
        if (query->isActive())
            query->finish();
        return query;
    }
    auto query = std::make_shared<QSqlQuery>(db);
    query->setForwardOnly(forwardOnly);
    if (!query->prepare(sql))
        throw translate(query->lastError());
    m_statements.push_back({ connection, sql, use, forwardOnly, query });
    if (m_statements.size() > StatementsKept)
        m_statements.erase(m_statements.begin());
    return query;
}

void Database::dropStatements(const QString& connection)
{
    if (m_beforeStatementsDropped)
        m_beforeStatementsDropped();
    for (auto it = m_statements.begin(); it != m_statements.end();) {
        if (it->connection != connection) {
            ++it;
            continue;
        }
        // Emptied in place, so that a recordset holding it lets go of the
        // connection too.
        *it->query = QSqlQuery();
        it = m_statements.erase(it);
    }
}

void Database::write(QSqlQuery& query)
{
    const bool guarded = m_inTransaction && m_engine->failureEndsTransaction();
    QSqlQuery savepoint(handle());
    if (guarded && !savepoint.exec(QStringLiteral("savepoint ostrale_write")))
        throw translate(savepoint.lastError());
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        if (guarded)
            savepoint.exec(QStringLiteral("rollback to savepoint ostrale_write"));
        throw translate(error);
    }
    query.finish();
    if (guarded && !savepoint.exec(QStringLiteral("release savepoint ostrale_write")))
        throw translate(savepoint.lastError());
}

DbError Database::translate(const QSqlError& error) const
{
    // A failure that took the connection with it (a server gone away) is a
    // failure to reach the register, whatever the statement was; the next
    // use opens the connection again.
    if (m_db.isValid() && !m_db.isOpen() && error.type() != QSqlError::ConnectionError)
        return m_engine->translate(QSqlError(error.driverText(), error.databaseText(),
                                       QSqlError::ConnectionError, error.nativeErrorCode()),
            m_fileName);
    return m_engine->translate(error, m_fileName);
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
