#include "baresql.h"

#include <QDir>
#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <stdexcept>

namespace {

void require(bool ok, const QSqlQuery& query)
{
    if (!ok)
        throw std::runtime_error(query.lastError().text().toStdString());
}

} // namespace

BareSql::BareSql(const QString& folder)
{
    m_history = open(folder, QStringLiteral("stor.mdb"));
    m_associations = open(folder, QStringLiteral("asso.mdb"));
    m_volunteers = open(folder, QStringLiteral("emervol.mdb"));
    m_find = QSqlQuery(m_associations);
    m_find.setForwardOnly(true);
    require(m_find.prepare(QStringLiteral("select * from ASSO where DENOM = ?")), m_find);
}

BareSql::~BareSql()
{
    m_find = QSqlQuery();
    m_history = m_associations = m_volunteers = QSqlDatabase();
    for (const QString& name : std::as_const(m_connections)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

QSqlDatabase BareSql::open(const QString& folder, const QString& file)
{
    const QString name = QStringLiteral("bench-bare-%1-%2").arg(quintptr(this)).arg(file);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    m_connections << name;
    db.setDatabaseName(QDir(folder).filePath(file));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw std::runtime_error(db.lastError().text().toStdString());
    QSqlQuery settings(db);
    settings.exec(QStringLiteral("pragma journal_mode=WAL"));
    settings.exec(QStringLiteral("pragma synchronous=FULL"));
    return db;
}

bool BareSql::firstHistoryRow()
{
    QSqlQuery query(m_history);
    query.setForwardOnly(true);
    require(query.exec(QStringLiteral("select * from STOR")), query);
    return query.next();
}

qint64 BareSql::countVolunteers()
{
    if (!m_associations.transaction())
        throw std::runtime_error(m_associations.lastError().text().toStdString());
    QSqlQuery associations(m_associations);
    associations.setForwardOnly(true);
    require(associations.exec(QStringLiteral("select rowid, * from ASSO order by DENOM")),
        associations);
    QSqlQuery members(m_volunteers);
    members.setForwardOnly(true);
    require(members.prepare(QStringLiteral("select * from EMERVOL where DENOM = ?")), members);
    QSqlQuery store(m_associations);
    require(store.prepare(QStringLiteral("update ASSO set NUMVOL = ? where rowid = ?")), store);

    const int denom = associations.record().indexOf(QStringLiteral("DENOM"));
    qint64 counted = 0;
    while (associations.next()) {
        members.bindValue(0, associations.value(denom));
        require(members.exec(), members);
        qint64 count = 0;
        while (members.next())
            ++count;
        store.bindValue(0, count);
        store.bindValue(1, associations.value(0));
        require(store.exec(), store);
        counted += count;
    }
    associations.finish();
    if (!m_associations.commit())
        throw std::runtime_error(m_associations.lastError().text().toStdString());
    return counted;
}

qint64 BareSql::scanVolunteers()
{
    QSqlQuery query(m_volunteers);
    query.setForwardOnly(true);
    require(
        query.exec(QStringLiteral("select * from EMERVOL order by DENOM, COGNOME, NOME")), query);
    qint64 rows = 0;
    while (query.next())
        ++rows;
    return rows;
}

bool BareSql::findAssociation(const QString& name)
{
    m_find.bindValue(0, name);
    require(m_find.exec(), m_find);
    const bool found = m_find.next();
    m_find.finish();
    return found;
}

QStringList BareSql::associationNames()
{
    QSqlQuery query(m_associations);
    query.setForwardOnly(true);
    require(query.exec(QStringLiteral("select DENOM from ASSO")), query);
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

void BareSql::clearCounts()
{
    QSqlQuery query(m_associations);
    require(query.exec(QStringLiteral("update ASSO set NUMVOL = 0")), query);
}

qint64 BareSql::sumOfCounts()
{
    QSqlQuery query(m_associations);
    require(query.exec(QStringLiteral("select total(NUMVOL) from ASSO")) && query.next(), query);
    return query.value(0).toLongLong();
}
