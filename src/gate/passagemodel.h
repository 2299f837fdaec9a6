#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class DataControl;

// The passages of a data connection's record source as a read-only grid:
// every field of CAR under an Italian heading. Rows are read from the
// connection in batches as the grid scrolls, so a log of half a million
// passages opens at once and is never held whole.
class PassageModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit PassageModel(DataControl& data, QObject* parent = nullptr);

    // Reads the connection's record source again from its first record.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    DataControl& m_data;
    QList<QStringList> m_rows;
};
