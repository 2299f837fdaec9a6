#pragma once

#include "store/schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

// Fills one register fast: one transaction, one prepared insert, and the
// indexes built once at the end instead of row by row.
class BulkWriter
{
public:
    BulkWriter(const QString& path, const RegisterFile& file);
    ~BulkWriter();
    BulkWriter(const BulkWriter&) = delete;
    BulkWriter& operator=(const BulkWriter&) = delete;

    // The values in the register's field order.
    void insert(const QVariantList& values);
    // Commits, rebuilds the indexes and folds the log back into the file, so
    // the program later opens a clean register.
    void finish();

private:
    void run(const QString& sql);

    const RegisterFile& m_file;
    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    QSqlQuery m_insert;
    bool m_finished = false;
};
