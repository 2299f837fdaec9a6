#include "servercopy.h"

#include "bareconnection.h"
#include "platform/engine.h"
#include "platform/registerfile.h"
#include "store/schema.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <stdexcept>

namespace {

// Rows in one insert statement: few round trips, well under the server's
// limit of bound values.
constexpr int RowsPerInsert = 200;

QString insertStatement(const RegisterFile& file, int rows)
{
    const Engine& engine = Engine::registers();
    QStringList columns;
    for (const QString& field : file.fields)
        columns << engine.columnName(field);
    const QString row = QLatin1Char('(')
        + QStringList(columns.size(), QStringLiteral("?")).join(',') + QLatin1Char(')');
    return QStringLiteral("insert into %1 (%2) values %3")
        .arg(file.table, columns.join(QLatin1Char(',')), QStringList(rows, row).join(','));
}

void requireDb(bool ok, const QSqlDatabase& db)
{
    if (!ok)
        throw std::runtime_error(db.lastError().text().toStdString());
}

class FileSide
{
public:
    explicit FileSide(const QString& path)
        : m_name(QStringLiteral("bench-copy-%1").arg(++s_opened))
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(path);
        requireDb(m_db.open(), m_db);
    }
    ~FileSide()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    FileSide(const FileSide&) = delete;
    FileSide& operator=(const FileSide&) = delete;
    QSqlDatabase& db() { return m_db; }

private:
    static inline int s_opened = 0;
    QString m_name;
    QSqlDatabase m_db;
};

void copyRegister(const QString& folder, const RegisterFile& file)
{
    QList<QVariantList> rows;
    {
        FileSide source(QDir(folder).filePath(file.fileName));
        QSqlQuery read(source.db());
        read.setForwardOnly(true);
        requireSql(read.exec(QStringLiteral("select %1 from %2")
                                 .arg(file.fields.join(QLatin1Char(',')), file.table)),
            read);
        while (read.next()) {
            QVariantList row;
            for (int i = 0; i < file.fields.size(); ++i) {
                QVariant value = read.value(i);
                // The server's text columns take no NULL, as the desk writes them.
                if (value.isNull() && !file.numericFields.contains(file.fields.at(i)))
                    value = QString();
                row << value;
            }
            rows << row;
        }
    }
    if (rows.isEmpty())
        return;

    BareConnection target(folder, file.fileName);
    requireDb(target.db().transaction(), target.db());
    QSqlQuery many(target.db());
    requireSql(many.prepare(insertStatement(file, RowsPerInsert)), many);
    QSqlQuery one(target.db());
    requireSql(one.prepare(insertStatement(file, 1)), one);
    int next = 0;
    for (; next + RowsPerInsert <= rows.size(); next += RowsPerInsert) {
        int index = 0;
        for (int r = next; r < next + RowsPerInsert; ++r)
            for (const QVariant& value : rows.at(r))
                many.bindValue(index++, value);
        requireSql(many.exec(), many);
    }
    for (; next < rows.size(); ++next) {
        int index = 0;
        for (const QVariant& value : rows.at(next))
            one.bindValue(index++, value);
        requireSql(one.exec(), one);
    }
    requireDb(target.db().commit(), target.db());
    // Statistics now, as a camp's server has them: otherwise the planner
    // guesses and the autovacuum's analyze runs in the middle of the timing.
    QSqlQuery analyze(target.db());
    requireSql(analyze.exec(QStringLiteral("vacuum analyze %1").arg(file.table)), analyze);
}

} // namespace

namespace ServerCopy {

void copy(const QString& folder)
{
    for (const RegisterFile& file : Schema::registerFiles())
        if (!file.external)
            copyRegister(folder, file);
}

void clear()
{
    BareConnection server(QString(), QStringLiteral("stor.mdb"));
    QSqlQuery query(server.db());
    // Each dropped table is a notice otherwise.
    requireSql(query.exec(QStringLiteral("set client_min_messages = warning")), query);
    requireSql(query.exec(QStringLiteral("drop schema public cascade")), query);
    requireSql(query.exec(QStringLiteral("create schema public")), query);
}

} // namespace ServerCopy
