#include "vehiclegridmodel.h"

#include "platform/datacontrol.h"
#include "platform/engine.h"

void VehicleGridModel::load(DataControl& connection)
{
    beginResetModel();
    m_rows.clear();
    connection.refresh();
    Recordset& records = connection.recordset();
    // The columns come from the table itself, so an empty table still shows
    // them, in table order.
    m_fields.clear();
    Database& database = connection.database();
    m_fields = database.engine().tableFields(database.handle(), connection.table());
    for (; !records.eof(); records.moveNext()) {
        QStringList row;
        row.reserve(m_fields.size());
        for (const QString& field : m_fields)
            row << records.field(field);
        m_rows.append(row);
    }
    connection.endReading();
    endResetModel();
}

QString VehicleGridModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows[row].size())
        return QString();
    return m_rows[row][column];
}

QString VehicleGridModel::text(int row, const QString& field) const
{
    return text(row, int(m_fields.indexOf(field)));
}

int VehicleGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VehicleGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant VehicleGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return text(index.row(), index.column());
}

QVariant VehicleGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < m_fields.size() ? m_fields[section] : QVariant();
    return section + 1;
}
