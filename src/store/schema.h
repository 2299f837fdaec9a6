#pragma once

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

} // namespace Schema
