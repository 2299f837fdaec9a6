#include "sqlexporttable.h"

#include "platform/database.h"
#include "platform/engine.h"
#include "platform/datacontrol.h"
#include "platform/error.h"
#include "store/historyqueries.h"

#include <QSqlError>

SqlExportTable::SqlExportTable(DataControl& connection)
    : m_connection(connection)
{
}

qint64 SqlExportTable::count()
{
    m_connection.setRecordSource(HistoryQueries::exportCount(m_connection.table()));
    m_connection.refresh();
    const qint64 count = m_connection.recordset().field(QStringLiteral("N")).toLongLong();
    m_connection.endReading();
    return count;
}

void SqlExportTable::start(const QStringList& fields)
{
    Database& database = m_connection.database();
    m_query = QSqlQuery(database.handle());
    m_query.setForwardOnly(true);
    if (!m_query.exec(HistoryQueries::exportRows(m_connection.table(), fields)))
        throw Engine::files().translate(m_query.lastError(), m_connection.fileName());
}

bool SqlExportTable::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw Engine::files().translate(m_query.lastError(), m_connection.fileName());
    m_query.finish();
    return false;
}

QString SqlExportTable::value(int i) const
{
    return m_query.value(i).toString();
}
