#include "serverdatabases.h"

#include "platform/error.h"
#include "platform/serverengine.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

ServerDatabases::ServerDatabases(ConnInfo server, bool shared)
    : m_server(std::move(server))
    , m_shared(shared)
{
}

ServerDatabases::~ServerDatabases()
{
    if (!m_template.isEmpty())
        run(QStringLiteral("drop database if exists %1 with (force)").arg(m_template));
}

QString ServerDatabases::nameFor(int number) const
{
    return QStringLiteral("ostrale_scenario_%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(number);
}

QString ServerDatabases::run(const QString& sql)
{
    static int counter = 0;
    const QString connection = QStringLiteral("ostrale-scenario-server-%1").arg(++counter);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setConnectOptions(m_server.text());
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            if (!query.exec(sql))
                failure = query.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return failure;
}

QString ServerDatabases::create(QString* why)
{
    if (m_shared)
        return m_server.text();
    if (m_template.isEmpty()) {
        const QString name = nameFor(0);
        QString failure = run(QStringLiteral("create database %1 template template0 encoding "
                                             "'UTF8' lc_collate 'C' lc_ctype 'C'")
                                  .arg(name));
        if (failure.isEmpty()) {
            m_template = name;
            QList<RegisterFile> registers;
            for (const RegisterFile& file : Schema::registerFiles())
                if (!file.external)
                    registers << file;
            try {
                ServerEngine(
                    *ConnInfo::parse(m_server.text() + QStringLiteral(" dbname=") + name, nullptr))
                    .layDown(QString(), registers);
            } catch (const OstraleError& error) {
                failure = errorText(error);
                run(QStringLiteral("drop database if exists %1 with (force)").arg(name));
                m_template.clear();
            }
        }
        if (!failure.isEmpty()) {
            *why = QStringLiteral("cannot make the template database: %1").arg(failure);
            return QString();
        }
    }
    const QString name = nameFor(++m_created);
    const QString failure
        = run(QStringLiteral("create database %1 template %2").arg(name, m_template));
    if (!failure.isEmpty()) {
        *why = QStringLiteral("cannot make the database %1: %2").arg(name, failure);
        return QString();
    }
    return m_server.text() + QStringLiteral(" dbname=") + name;
}

void ServerDatabases::drop(const QString& conninfo)
{
    if (m_shared)
        return;
    const QString name = ConnInfo::parse(conninfo, nullptr)->value(QStringLiteral("dbname"));
    run(QStringLiteral("drop database if exists %1 with (force)").arg(name));
}
