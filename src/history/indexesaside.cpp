#include "indexesaside.h"

#include "platform/database.h"
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
    QSqlQuery query(database.handle());
    query.prepare(QStringLiteral("select name, sql from sqlite_master where type = 'index' "
                                 "and tbl_name = ? and sql is not null"));
    query.addBindValue(table);
    if (!query.exec())
        throw database.translate(query.lastError());
    QStringList names;
    while (query.next()) {
        names << query.value(0).toString();
        m_statements << query.value(1).toString();
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
