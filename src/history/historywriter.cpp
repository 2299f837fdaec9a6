#include "historywriter.h"

#include "platform/datacontrol.h"
#include "platform/error.h"
#include "store/historyqueries.h"

#include <QSqlError>

namespace {

QSqlQuery prepared(Database& database, const QString& sql)
{
    QSqlQuery query(database.handle());
    if (!query.prepare(sql))
        throw database.translate(query.lastError());
    return query;
}

// An empty value is stored as an empty text, never as NULL.
QString text(const QString& value)
{
    return value.isNull() ? QString(QLatin1String("")) : value;
}

} // namespace

HistoryWriter::HistoryWriter(DataControl& stor)
    : m_database(stor.database())
    , m_insert(prepared(stor.database(), HistoryQueries::insertHistoryRecord))
    , m_remove(prepared(stor.database(), HistoryQueries::deleteHistoryOfAssociation))
{
}

void HistoryWriter::insert(const HistoryRecord& r)
{
    int i = 0;
    for (const QString* value : { &r.codass, &r.codvol, &r.denom, &r.indir, &r.cap, &r.citta,
             &r.prov, &r.tel, &r.fax, &r.mail, &r.cogn, &r.nome, &r.spec })
        m_insert.bindValue(i++, text(*value));
    if (!m_insert.exec())
        throw m_database.translate(m_insert.lastError());
}

int HistoryWriter::removeAssociation(const QString& denom)
{
    m_remove.bindValue(0, text(denom));
    if (!m_remove.exec())
        throw m_database.translate(m_remove.lastError());
    return m_remove.numRowsAffected();
}
