#pragma once

#include "exporttable.h"
#include "platform/accessfile.h"
#include "platform/accesstable.h"

#include <QList>

// An export table in a file saved by Access, read through the Access
// reader: the columns found by name whatever their order, the values as the
// reader gives them. The file is opened when the object is made and only
// read; nothing is written into or beside it.
class AccessExportTable : public ExportTable
{
public:
    AccessExportTable(const QString& path, const QString& table);

    qint64 count() override;
    void start(const QStringList& fields) override;
    bool next() override;
    QString value(int i) const override;

private:
    AccessFile m_file;
    AccessTable m_table;
    QList<int> m_columns;
};
