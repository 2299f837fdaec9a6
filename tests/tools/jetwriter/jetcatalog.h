#pragma once

#include "jetrows.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

// Table definitions and the catalog (MSysObjects, defined on page 2; a table's Id is its page).
namespace Jet {

constexpr quint32 CatalogPage = 2;

struct TableDefinition
{
    QList<Column> columns;
    quint32 rows = 0;
    // Where the rows naming the table's data pages and its free space are.
    quint32 usageMap = 0;
    quint32 freeSpaceMap = 0;
    bool system = false;
};

// A definition page without indexes: row count, map addresses, each column's entry and name.
QByteArray tableDefinitionPage(const TableDefinition& table);

const QList<Column>& catalogColumns();
// The catalog rows: the tables' container, the catalog itself, then one per user table.
QList<QVariantList> catalogRows(const QList<QPair<QString, quint32>>& tables, double created);

} // namespace Jet
