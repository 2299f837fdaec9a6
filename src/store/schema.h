#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The register files: one table per file, the fields in their order, the
// keys and the indexes the lookups need.
struct RegisterFile
{
    QString fileName;   // "asso.mdb"
    QString table;      // "ASSO"
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

} // namespace Schema
