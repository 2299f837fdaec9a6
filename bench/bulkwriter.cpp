#include "bulkwriter.h"

#include "platform/fileengine.h"

#include <QSqlError>
#include <QStringList>
#include <stdexcept>

BulkWriter::BulkWriter(const QString& path, const RegisterFile& file)
    : m_file(file)
    , m_path(path)
    , m_connectionName(QStringLiteral("bench-bulk-") + file.fileName)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    if (!m_db.open())
        throw std::runtime_error(m_db.lastError().text().toStdString());
    // A lost benchmark archive is simply seeded again.
    run(QStringLiteral("pragma synchronous=OFF"));

    QSqlQuery indexes(m_db);
    indexes.prepare(QStringLiteral("select name from sqlite_master where type = 'index' and "
                                   "tbl_name = ? and sql is not null"));
    indexes.addBindValue(file.table);
    indexes.exec();
    QStringList names;
    while (indexes.next())
        names << indexes.value(0).toString();
    indexes.finish();
    for (const QString& name : std::as_const(names))
        run(QStringLiteral("drop index %1").arg(name));

    if (!m_db.transaction())
        throw std::runtime_error(m_db.lastError().text().toStdString());
    QStringList marks;
    for (int i = 0; i < file.fields.size(); ++i)
        marks << QStringLiteral("?");
    m_insert = QSqlQuery(m_db);
    if (!m_insert.prepare(
            QStringLiteral("insert into %1 (%2) values (%3)")
                .arg(file.table, file.fields.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
        throw std::runtime_error(m_insert.lastError().text().toStdString());
}

BulkWriter::~BulkWriter()
{
    if (!m_finished && m_db.isOpen())
        m_db.rollback();
    m_insert = QSqlQuery();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void BulkWriter::insert(const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        m_insert.bindValue(i, values.at(i));
    if (!m_insert.exec())
        throw std::runtime_error(m_insert.lastError().text().toStdString());
}

void BulkWriter::finish()
{
    m_insert.finish();
    if (!m_db.commit())
        throw std::runtime_error(m_db.lastError().text().toStdString());
    m_finished = true;
    for (const QString& statement : FileEngine::createStatements(m_file))
        run(statement);
    run(QStringLiteral("pragma wal_checkpoint(TRUNCATE)"));
}

void BulkWriter::run(const QString& sql)
{
    QSqlQuery query(m_db);
    if (!query.exec(sql))
        throw std::runtime_error(
            QStringLiteral("%1: %2").arg(sql, query.lastError().text()).toStdString());
}
