#pragma once

#include "exporttable.h"

#include <QSqlQuery>

class DataControl;

// An export table in a file of the desk's own format, read through its
// data connection (opened read-only: nothing is written into or beside it).
class SqlExportTable : public ExportTable
{
public:
    explicit SqlExportTable(DataControl& connection);

    qint64 count() override;
    void start(const QStringList& fields) override;
    bool next() override;
    QString value(int i) const override;

private:
    DataControl& m_connection;
    QSqlQuery m_query;
};
