#pragma once

#include "jetrows.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

// The table definitions and the catalog of a Jet 4 file. The catalog is the
// system table MSysObjects, always defined on page 2: one row per object,
// a table's row naming the page of its definition as its Id.
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

// The definition page of a table with no indexes: its row count, the
// addresses of its maps, then one entry and one name per column.
QByteArray tableDefinitionPage(const TableDefinition& table);

const QList<Column>& catalogColumns();
// The catalog rows: the container of the tables, the catalog itself, then
// one per user table (`tables`, with the pages of their definitions).
QList<QVariantList> catalogRows(const QList<QPair<QString, quint32>>& tables, double created);

} // namespace Jet
