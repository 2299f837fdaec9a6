#pragma once

#include "platform/error.h"

#include <QList>
#include <QString>
#include <QStringList>

// The register files: one table per file, the fields in their order, the
// keys and the indexes the lookups need.
struct RegisterFile
{
    QString fileName; // "asso.mdb"
    QString table; // "ASSO"
    QStringList fields; // in table order
    QStringList numericFields;
    QList<QStringList> uniqueKeys;
    QList<QStringList> indexes;

    QStringList createStatements() const;
};

namespace Schema {

const QList<RegisterFile>& registerFiles();
// The file's definition by name, compared without regard to case; null when
// it is not one of the program's registers.
const RegisterFile* find(const QString& fileName);

// Creates the file with its table, keys and indexes, if they are missing.
void createRegister(const QString& path, const RegisterFile& file);

// The refusals of a file that is not the register it was taken for, naming
// the file: 3078 without the register's table, 3265 without one of its fields.
DbError tableMissing(const QString& path, const RegisterFile& file);
DbError fieldMissing(const QString& path, const RegisterFile& file, const QString& field);

} // namespace Schema
