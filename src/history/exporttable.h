#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class DataControl;

// One table of a TALPEX export file, only ever read: the rows the import
// takes, whatever kind of file holds them. The import's logic is written
// once over this; a file the desk wrote (SQLite) is read through its data
// connection, a file saved by Access through the Access reader. Every
// failure is the reader's DbError; the caller tells it by the file's name.
class ExportTable
{
public:
    virtual ~ExportTable();

    // The reader for the file of `connection`, chosen by the file's content:
    // an Access file is read as such, anything else (a missing file too)
    // through the connection, which reports what is wrong with it.
    static std::unique_ptr<ExportTable> open(DataControl& connection);

    // How many rows the table holds.
    virtual qint64 count() = 0;
    // Starts reading the table from its first row, in the table's order,
    // taking the named fields.
    virtual void start(const QStringList& fields) = 0;
    // Reads the next row; false after the last.
    virtual bool next() = 0;
    // The current row's value of the i-th field named to start(); a NULL of
    // the desk's files is a null text, one of an Access file the empty text.
    virtual QString value(int i) const = 0;
};
