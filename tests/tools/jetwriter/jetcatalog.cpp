#include "jetcatalog.h"

#include "jeterror.h"
#include "jetpages.h"

namespace Jet {

namespace {

// Offsets in a definition page.
constexpr int DefinitionLengthOffset = 8;
constexpr int DefinitionRowCountOffset = 16;
constexpr int TableTypeOffset = 40;
constexpr int NextColumnOffset = 41;
constexpr int VariableColumnsOffset = 43;
constexpr int ColumnCountOffset = 45;
constexpr int UsageMapOffset = 55;
constexpr int FreeSpaceMapOffset = 59;
constexpr int ColumnsOffset = 63;
constexpr char UserTable = 'N';
constexpr char SystemTable = 'S';

// One column entry: type, number, variable index, number, text sort order, flags, offset, size.
constexpr int ColumnEntrySize = 25;
constexpr quint16 GeneralSortOrder = 0x0409;
constexpr quint8 FixedColumn = 0x01;
constexpr quint8 NullableColumn = 0x02;
constexpr quint8 UpdatableColumn = 0x10;

// The catalog's ids: the container of the tables, and its own parent.
constexpr qint32 TablesContainer = 0x0f000001;
constexpr qint32 TopContainer = 0x0f000000;
constexpr int TableObject = 1;
constexpr int ContainerObject = 3;
constexpr quint32 SystemFlags = 0x80000002;

QByteArray columnEntry(const Column& column, int number, int variableIndex, int fixedOffset)
{
    QByteArray entry(ColumnEntrySize, '\0');
    entry[0] = static_cast<char>(column.type);
    put16(entry, 5, static_cast<quint16>(number));
    put16(entry, 7, static_cast<quint16>(variableIndex));
    put16(entry, 9, static_cast<quint16>(number));
    put16(entry, 11, GeneralSortOrder);
    entry[15] = static_cast<char>(
        UpdatableColumn | NullableColumn | (isFixed(column.type) ? FixedColumn : 0));
    put16(entry, 21, static_cast<quint16>(fixedOffset));
    put16(entry, 23, static_cast<quint16>(columnSize(column.type)));
    return entry;
}

} // namespace

QByteArray tableDefinitionPage(const TableDefinition& table)
{
    QByteArray page(ColumnsOffset, '\0');
    page[0] = static_cast<char>(TableDefinitionPageType);
    page[1] = 0x01;
    const auto count = static_cast<quint16>(table.columns.size());
    QByteArray names;
    int variable = 0, fixedOffset = 0;
    for (int i = 0; i < count; ++i) {
        const Column& column = table.columns[i];
        const bool fixed = isFixed(column.type);
        page += columnEntry(column, i, fixed ? 0 : variable, fixed ? fixedOffset : 0);
        if (fixed)
            fixedOffset += columnSize(column.type);
        else
            ++variable;
        const QByteArray name = utf16(column.name);
        append16(names, static_cast<quint16>(name.size()));
        names += name;
    }
    page += names;
    if (page.size() > PageSize)
        throw JetError(QStringLiteral("the definition of a table of %1 columns does not fit "
                                      "on a page")
                           .arg(count));
    put32(page, DefinitionLengthOffset, static_cast<quint32>(page.size()));
    put32(page, DefinitionRowCountOffset, table.rows);
    page[TableTypeOffset] = table.system ? SystemTable : UserTable;
    put16(page, NextColumnOffset, count);
    put16(page, VariableColumnsOffset, static_cast<quint16>(variable));
    put16(page, ColumnCountOffset, count);
    put32(page, UsageMapOffset, table.usageMap);
    put32(page, FreeSpaceMapOffset, table.freeSpaceMap);
    page.append(PageSize - page.size(), '\0');
    return page;
}

const QList<Column>& catalogColumns()
{
    static const QList<Column> columns { { "Id", Type::Long }, { "ParentId", Type::Long },
        { "Name", Type::Text }, { "Type", Type::Integer }, { "DateCreate", Type::DateTime },
        { "DateUpdate", Type::DateTime }, { "Flags", Type::Long }, { "LvProp", Type::Ole } };
    return columns;
}

QList<QVariantList> catalogRows(const QList<QPair<QString, quint32>>& tables, double created)
{
    const auto row
        = [created](qint32 id, qint32 parent, const QString& name, int type, quint32 flags) {
              return QVariantList { id, parent, name, type, created, created,
                  static_cast<qint32>(flags), QVariant() };
          };
    QList<QVariantList> rows;
    rows << row(TablesContainer, TopContainer, QStringLiteral("Tables"), ContainerObject, 0);
    rows << row(static_cast<qint32>(CatalogPage), TablesContainer, QStringLiteral("MSysObjects"),
        TableObject, SystemFlags);
    for (const auto& [name, page] : tables)
        rows << row(static_cast<qint32>(page), TablesContainer, name, TableObject, 0);
    return rows;
}

} // namespace Jet
