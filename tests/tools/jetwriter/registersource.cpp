#include "registersource.h"

#include "jeterror.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <limits>

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

} // namespace

RegisterSource::RegisterSource(const QString& path)
    : m_path(path)
    , m_connection(QStringLiteral("jetwriter-source"))
{
    // The engine would make an empty database of a missing file.
    if (!QFileInfo(path).isFile())
        throw JetError(QStringLiteral("%1: no such file").arg(path));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!m_db.open())
        throw JetError(QStringLiteral("%1: %2").arg(path, m_db.lastError().text()));
}

RegisterSource::~RegisterSource()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QStringList RegisterSource::tables() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("select name from sqlite_master where type = 'table' and "
                                   "name not like 'sqlite\\_%' escape '\\' order by rowid")))
        throw JetError(QStringLiteral("%1: %2").arg(m_path, query.lastError().text()));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

QStringList RegisterSource::declaredTypes(const QString& table, QStringList* names) const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("pragma table_info(%1)").arg(quoted(table))))
        throw JetError(QStringLiteral("%1: %2").arg(m_path, query.lastError().text()));
    QStringList types;
    while (query.next()) {
        *names << query.value(1).toString();
        types << query.value(2).toString();
    }
    if (types.isEmpty())
        throw JetError(QStringLiteral("%1: no table %2").arg(m_path, table));
    return types;
}

QList<Jet::Column> RegisterSource::columns(const QString& table) const
{
    QStringList names;
    const QStringList types = declaredTypes(table, &names);
    QList<Jet::Column> columns;
    for (qsizetype i = 0; i < names.size(); ++i)
        columns << Jet::Column { names[i],
            types[i].contains(QLatin1String("INT"), Qt::CaseInsensitive) ? Jet::Type::Long
                                                                         : Jet::Type::Text };
    // A text column longer than a text holds becomes a memo; every integer must fit in 32 bits.
    readRows(table, [&](const QVariantList& values) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QVariant& value = values[i];
            if (value.isNull())
                continue;
            if (columns[i].type == Jet::Type::Long) {
                const bool integer
                    = value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int;
                const qlonglong number = value.toLongLong();
                if (!integer || number < std::numeric_limits<qint32>::min()
                    || number > std::numeric_limits<qint32>::max())
                    throw JetError(QStringLiteral("%1: %2.%3 holds %4, not a 32-bit integer")
                                       .arg(m_path, table, names[i], value.toString()));
            } else if (value.toString().size() > Jet::TextLength) {
                columns[i].type = Jet::Type::Memo;
            }
        }
    });
    return columns;
}

void RegisterSource::readRows(
    const QString& table, const std::function<void(const QVariantList&)>& row) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from %1 order by rowid").arg(quoted(table))))
        throw JetError(QStringLiteral("%1: %2").arg(m_path, query.lastError().text()));
    const int count = query.record().count();
    QVariantList values;
    while (query.next()) {
        values.clear();
        for (int i = 0; i < count; ++i)
            values << query.value(i);
        row(values);
    }
    if (query.lastError().isValid())
        throw JetError(QStringLiteral("%1: %2").arg(m_path, query.lastError().text()));
}
