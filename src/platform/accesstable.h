#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class AccessFile;

// One table of an Access file, read row by row from the first. Values come
// out as the desk stores them (AccessValue): texts whole in Unicode (Jet 3
// texts from the file's code page, Windows-1252 on Italian desks), memo
// fields of any length, NULL as "", integers as their digits, reals and
// currency as plain decimals, dates as "DD/MM/YYYY" ("DD/MM/YYYY hh:mm" with
// a time of day), yes/no as "S"/"N"; OLE objects and binary fields as "".
// Columns are found by name (ignoring case), whatever their order in the
// file. Each table has its own reading position, so several tables of one
// file can be read at once; the table keeps its file open while it lives.
class AccessTable
{
public:
    // A missing table is DbError 3078.
    AccessTable(const AccessFile& file, const QString& name);
    ~AccessTable();
    AccessTable(const AccessTable&) = delete;
    AccessTable& operator=(const AccessTable&) = delete;

    QString name() const { return m_name; }
    // The column names in the file's order.
    const QStringList& columns() const { return m_columns; }
    // The position of a column in columns(), -1 when the table has none.
    int column(const QString& name) const;

    // How many rows the table holds, as its definition counts them.
    quint64 rowCount() const;

    // Reads the next row; false after the last. A row that cannot be read
    // whole (a damaged file) is DbError 3049.
    bool next();
    // Back before the first row.
    void rewind();

    // The current row's values, in the order of columns().
    const QStringList& row() const { return m_row; }
    // A value of the current row by column name; a column the table does not
    // have is DbError 3265.
    QString field(const QString& name) const;

private:
    struct Reading;
    std::unique_ptr<Reading> m_reading;
    QString m_name;
    QStringList m_columns;
    QHash<QString, int> m_columnByName;
    QStringList m_row;
};
