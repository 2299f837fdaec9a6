#include "bareconnection.h"

#include "platform/engine.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <stdexcept>

namespace {

QString newConnectionName(const QString& file)
{
    static std::atomic<int> opened { 0 };
    return QStringLiteral("bench-bare-%1-%2").arg(++opened).arg(file);
}

} // namespace

BareConnection::BareConnection(const QString& folder, const QString& file)
    : m_name(newConnectionName(file))
{
    const Engine& engine = Engine::registers();
    if (engine.driverName() != QLatin1String("QSQLITE")) {
        // The registers are on a server: every register is one of its tables.
        m_db = QSqlDatabase::addDatabase(engine.driverName(), m_name);
        engine.open(m_db, engine.location(file), false);
        return;
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(QDir(folder).filePath(file));
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        throw std::runtime_error(m_db.lastError().text().toStdString());
    QSqlQuery settings(m_db);
    settings.exec(QStringLiteral("pragma journal_mode=WAL"));
    settings.exec(QStringLiteral("pragma synchronous=FULL"));
}

BareConnection::~BareConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

void requireSql(bool ok, const QSqlQuery& query)
{
    if (!ok)
        throw std::runtime_error(query.lastError().text().toStdString());
}
