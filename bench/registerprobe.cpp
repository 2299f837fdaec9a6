#include "registerprobe.h"

#include <QSqlQuery>
#include <QVariant>

RegisterProbe::RegisterProbe(const QString& folder)
    : m_history(folder, QStringLiteral("stor.mdb"))
    , m_volunteers(folder, QStringLiteral("emervol.mdb"))
{
}

qint64 RegisterProbe::number(
    BareConnection& connection, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    requireSql(query.prepare(sql), query);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    requireSql(query.exec() && query.next(), query);
    return query.value(0).toLongLong();
}

qint64 RegisterProbe::lastHistoryRowId()
{
    return number(m_history, QStringLiteral("select coalesce(max(rowid), 0) from STOR"), {});
}

std::optional<Badge> RegisterProbe::historyRecord(qint64 rowId)
{
    QSqlQuery query(m_history.db());
    query.setForwardOnly(true);
    requireSql(query.prepare(QStringLiteral(
                   "select CODASS, CODVOL, DENOM, COGN, NOME from STOR where rowid = ?")),
        query);
    query.bindValue(0, rowId);
    requireSql(query.exec(), query);
    if (!query.next())
        return std::nullopt;
    return Badge { query.value(0).toString() + query.value(1).toString(), query.value(2).toString(),
        query.value(3).toString(), query.value(4).toString() };
}

int RegisterProbe::historyRecordsWithCode(const QString& code)
{
    return int(number(m_history,
        QStringLiteral("select count(*) from STOR where CODASS = ? and CODVOL = ?"),
        { code.left(6), code.mid(6) }));
}

bool RegisterProbe::hasNamesake(const Badge& badge)
{
    return number(m_volunteers,
               QStringLiteral("select count(*) from EMERVOL where DENOM = ? and COGNOME = ? and "
                              "NOME = ?"),
               { badge.denom, badge.surname, badge.name })
        > 0;
}

bool RegisterProbe::isCodeRegistered(const QString& code)
{
    return number(m_volunteers, QStringLiteral("select count(*) from EMERVOL where CODVOL = ?"),
               { code })
        > 0;
}

bool RegisterProbe::isRegistered(const Badge& badge)
{
    return number(m_volunteers,
               QStringLiteral("select count(*) from EMERVOL where CODVOL = ? and DENOM = ? and "
                              "COGNOME = ? and NOME = ?"),
               { badge.code, badge.denom, badge.surname, badge.name })
        == 1;
}

qint64 RegisterProbe::volunteers()
{
    return number(m_volunteers, QStringLiteral("select count(*) from EMERVOL"), {});
}

qint64 RegisterProbe::volunteerAssociations()
{
    return number(m_volunteers, QStringLiteral("select count(distinct DENOM) from EMERVOL"), {});
}
