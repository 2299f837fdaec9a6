#include "counterrows.h"

#include "database.h"
#include "error.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

QSqlQuery run(Database& database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database.handle());
    if (!query.prepare(sql))
        throw database.translate(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw database.translate(query.lastError());
    return query;
}

QString firstValue(QSqlQuery query)
{
    return query.next() ? query.value(0).toString() : QString();
}

} // namespace

QString CounterRows::createStatement()
{
    return QStringLiteral("create table if not exists ostrale_counters "
                          "(name citext primary key, value text not null default '')");
}

QString CounterRows::read(Database& database, const QString& name)
{
    return firstValue(run(
        database, QStringLiteral("select value from ostrale_counters where name = ?"), { name }));
}

QString CounterRows::lock(Database& database, const QString& name)
{
    run(database,
        QStringLiteral(
            "insert into ostrale_counters (name) values (?) on conflict (name) do nothing"),
        { name });
    return firstValue(run(database,
        QStringLiteral("select value from ostrale_counters where name = ? for update"), { name }));
}

void CounterRows::write(Database& database, const QString& name, const QString& value)
{
    run(database,
        QStringLiteral("insert into ostrale_counters (name, value) values (?, ?) "
                       "on conflict (name) do update set value = excluded.value"),
        { name, value.isNull() ? QStringLiteral("") : value }); // a null text binds as NULL
}
