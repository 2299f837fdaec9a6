#include "accessexporttable.h"

#include "platform/error.h"

AccessExportTable::AccessExportTable(const QString& path, const QString& table)
    : m_file(path)
    , m_table(m_file, table)
{
}

qint64 AccessExportTable::count()
{
    return m_table.rowCount();
}

void AccessExportTable::start(const QStringList& fields)
{
    m_columns.clear();
    for (const QString& field : fields) {
        const int column = m_table.column(field);
        if (column < 0)
            throw DbError::itemNotFound(field);
        m_columns << column;
    }
    m_table.rewind();
}

bool AccessExportTable::next()
{
    return m_table.next();
}

QString AccessExportTable::value(int i) const
{
    return m_table.row().at(m_columns.at(i));
}
