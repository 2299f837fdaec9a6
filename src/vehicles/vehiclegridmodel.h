#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class DataControl;

// The rows of a whole table as a read-only grid: one row per record, one
// column per field in table order, headed by the field names. It holds a
// copy taken by load(), so a change to the table shows at the next load.
class VehicleGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Reads every record the connection's record source selects.
    void load(DataControl& connection);
    // The text of a cell; empty outside the grid.
    QString text(int row, int column) const;
    // The text of a row's field, by the field's name.
    QString text(int row, const QString& field) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_fields;
    QVector<QStringList> m_rows;
};
