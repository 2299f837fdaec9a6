#include "passagemodel.h"

#include "platform/datacontrol.h"

namespace {

struct Column
{
    const char* field;
    const char* heading;
};

constexpr Column columns[] = {
    { "COGNOME", "Cognome e nome" },
    { "CODVOL", "Codice" },
    { "ASSOCIAZIONE", "Associazione" },
    { "PORTA", "Porta" },
    { "MOTIVAZIONE", "Motivazione" },
    { "DATAIN", "Data entrata" },
    { "ORAIN", "Ora entrata" },
    { "DATAOUT", "Data uscita" },
    { "ORAOUT", "Ora uscita" },
    { "NOTE", "Note" },
};
constexpr int columnTotal = int(sizeof(columns) / sizeof(columns[0]));
constexpr int batch = 256;

} // namespace

PassageModel::PassageModel(DataControl& data, QObject* parent)
    : QAbstractTableModel(parent)
    , m_data(data)
{
}

void PassageModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_data.refresh();
    endResetModel();
    fetchMore({});
}

int PassageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PassageModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

QVariant PassageModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows.at(index.row()).at(index.column());
}

QVariant PassageModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnTotal)
        return {};
    return QString::fromLatin1(columns[section].heading);
}

bool PassageModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_data.recordset().eof();
}

void PassageModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    Recordset& record = m_data.recordset();
    QList<QStringList> rows;
    while (!record.eof() && rows.size() < batch) {
        QStringList row;
        for (const Column& column : columns)
            row << record.field(QString::fromLatin1(column.field));
        rows << row;
        record.moveNext();
    }
    if (rows.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
    m_rows += rows;
    endInsertRows();
}
