#pragma once

#include <QList>
#include <QString>

class Database;

// A table's indexes dropped for a bulk rewrite and made again once it is
// done, inside the caller's transaction: rows appended without indexes and
// indexed once at the end cost a sort, where rows indexed one at a time cost
// a scattered write each. A rollback brings the indexes back as they were.
class IndexesSetAside
{
public:
    IndexesSetAside(Database& database, const QString& table);
    // Creates the indexes again, each from its own statement; a unique one
    // the new rows break fails here.
    void restore();

private:
    Database& m_database;
    QList<QString> m_statements;
};
