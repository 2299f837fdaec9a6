#include "indexesaside.h"

#include "platform/database.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

void run(Database& database, QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw database.translate(query.lastError());
}

} // namespace

IndexesSetAside::IndexesSetAside(Database& database, const QString& table)
    : m_database(database)
{
    QSqlDatabase db = database.handle();
    QSqlQuery query(db);
    QStringList names;
    for (const Engine::Index& index : database.engine().indexesOf(db, table, database.fileName())) {
        names << index.name;
        m_statements << index.statement;
    }
    for (const QString& name : names) {
        QString quoted = name;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        run(database, query, QStringLiteral("drop index \"%1\"").arg(quoted));
    }
}

void IndexesSetAside::restore()
{
    QSqlQuery query(m_database.handle());
    for (const QString& statement : m_statements)
        run(m_database, query, statement);
    m_statements.clear();
}
