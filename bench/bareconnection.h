#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

// A connection of the benchmark's own to one register of a program folder,
// with the program's journal settings (WAL, synchronous=FULL), or to the
// server holding the registers when a server engine was chosen for them.
// Queries made on it must be gone before it is.
class BareConnection
{
public:
    BareConnection(const QString& folder, const QString& file);
    ~BareConnection();
    BareConnection(const BareConnection&) = delete;
    BareConnection& operator=(const BareConnection&) = delete;

    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// Throws the query's error when `ok` is false.
void requireSql(bool ok, const QSqlQuery& query);
