#include "datacontrol.h"

#include <QRegularExpression>

namespace {

// The rowid rides along with every row so that edits and deletes can find it:
// "select * from T ..." becomes "select rowid as ostrale_rowid, * from T ...",
// and a bare table name becomes the whole table in write order (a server
// keeps no order of its own: an updated row would move to the end).
QString withRowId(const QString& source)
{
    static const QRegularExpression selectAll(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bareName(
        QStringLiteral("^\\s*[A-Za-z_][A-Za-z0-9_]*\\s*;?\\s*$"));
    QString sql = source.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    if (bareName.match(sql).hasMatch())
        return QStringLiteral("select rowid as ostrale_rowid, * from %1 order by rowid")
            .arg(sql.trimmed());
    const QRegularExpressionMatch m = selectAll.match(sql);
    if (m.hasMatch())
        return QStringLiteral("select rowid as ostrale_rowid, * from ") + sql.mid(m.capturedEnd());
    return sql;
}

} // namespace

DataControl::DataControl(QString name, QString fileName, QString table, QString initialRecordSource)
    : m_name(std::move(name))
    , m_database(std::move(fileName))
    , m_table(std::move(table))
    , m_recordSource(std::move(initialRecordSource))
{
    m_database.setBeforeStatementsDropped([this] { m_recordset.keepCurrentRow(); });
}

// The recordset goes first; the register, closing after it, has no row to
// hand back.
DataControl::~DataControl()
{
    m_database.setBeforeStatementsDropped(nullptr);
}

void DataControl::setRecordSource(const QString& sql, const QVariantList& parameters)
{
    m_recordSource = sql;
    m_parameters = parameters;
}

void DataControl::refresh()
{
    m_recordset.close();
    m_database.open();
    m_recordset.open(&m_database, m_table, withRowId(m_recordSource), m_parameters);
}

void DataControl::endReading()
{
    m_recordset.close();
}

void DataControl::closeDatabase()
{
    m_recordset.release();
    m_database.close();
}
