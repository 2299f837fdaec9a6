#pragma once

#include "platform/error.h"
#include "platform/registerfile.h"

#include <QList>
#include <QString>

// The desk's registers: one table per register, the fields in their order,
// the keys and the indexes the lookups need.
namespace Schema {

const QList<RegisterFile>& registerFiles();
// The file's definition by name, compared without regard to case; null when
// it is not one of the program's registers.
const RegisterFile* find(const QString& fileName);

// The refusals of a file that is not the register it was taken for, naming
// the file: 3078 without the register's table, 3265 without one of its fields.
DbError tableMissing(const QString& path, const RegisterFile& file);
DbError fieldMissing(const QString& path, const RegisterFile& file, const QString& field);

} // namespace Schema
