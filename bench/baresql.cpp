#include "baresql.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <stdexcept>

BareSql::BareSql(const QString& folder)
    : m_history(folder, QStringLiteral("stor.mdb"))
    , m_associations(folder, QStringLiteral("asso.mdb"))
    , m_volunteers(folder, QStringLiteral("emervol.mdb"))
    , m_find(m_associations.db())
{
    m_find.setForwardOnly(true);
    requireSql(m_find.prepare(QStringLiteral("select * from ASSO where DENOM = ?")), m_find);
}

bool BareSql::firstHistoryRow()
{
    QSqlQuery query(m_history.db());
    query.setForwardOnly(true);
    requireSql(query.exec(QStringLiteral("select * from STOR")), query);
    return query.next();
}

qint64 BareSql::countVolunteers()
{
    if (!m_associations.db().transaction())
        throw std::runtime_error(m_associations.db().lastError().text().toStdString());
    QSqlQuery associations(m_associations.db());
    associations.setForwardOnly(true);
    requireSql(associations.exec(QStringLiteral("select rowid, * from ASSO order by DENOM")),
        associations);
    QSqlQuery members(m_volunteers.db());
    members.setForwardOnly(true);
    requireSql(members.prepare(QStringLiteral("select * from EMERVOL where DENOM = ?")), members);
    QSqlQuery store(m_associations.db());
    requireSql(store.prepare(QStringLiteral("update ASSO set NUMVOL = ? where rowid = ?")), store);

    const int denom = associations.record().indexOf(QStringLiteral("DENOM"));
    qint64 counted = 0;
    while (associations.next()) {
        members.bindValue(0, associations.value(denom));
        requireSql(members.exec(), members);
        qint64 count = 0;
        while (members.next())
            ++count;
        store.bindValue(0, count);
        store.bindValue(1, associations.value(0));
        requireSql(store.exec(), store);
        counted += count;
    }
    associations.finish();
    if (!m_associations.db().commit())
        throw std::runtime_error(m_associations.db().lastError().text().toStdString());
    return counted;
}

qint64 BareSql::scanVolunteers()
{
    QSqlQuery query(m_volunteers.db());
    query.setForwardOnly(true);
    requireSql(
        query.exec(QStringLiteral("select * from EMERVOL order by DENOM, COGNOME, NOME")), query);
    qint64 rows = 0;
    while (query.next())
        ++rows;
    return rows;
}

bool BareSql::findAssociation(const QString& name)
{
    m_find.bindValue(0, name);
    requireSql(m_find.exec(), m_find);
    const bool found = m_find.next();
    m_find.finish();
    return found;
}

QStringList BareSql::associationNames()
{
    QSqlQuery query(m_associations.db());
    query.setForwardOnly(true);
    requireSql(query.exec(QStringLiteral("select DENOM from ASSO")), query);
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

void BareSql::clearCounts()
{
    QSqlQuery query(m_associations.db());
    requireSql(query.exec(QStringLiteral("update ASSO set NUMVOL = 0")), query);
}

qint64 BareSql::sumOfCounts()
{
    QSqlQuery query(m_associations.db());
    requireSql(query.exec(QStringLiteral("select total(NUMVOL) from ASSO")) && query.next(), query);
    return query.value(0).toLongLong();
}
