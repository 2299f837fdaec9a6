#pragma once

#include <QString>
#include <functional>

class AccessFile;
struct RegisterFile;

// Makes a register file of the desk out of the same register saved by
// Access: the register's table is found in the Access file, its fields by
// name (in any order, extra columns ignored), and every row is written into
// a new register file with its keys and indexes, in one transaction. The
// Access file is only read.
namespace AccessCopy {

// Told now and then how many rows have been written of how many.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Throws unless the Access file holds the register's table with every field
// of the register: 3078 without the table, 3265 naming the first missing
// field. Both name the file.
void checkRegister(const AccessFile& source, const RegisterFile& kind);

// Checks `source` as checkRegister does, then makes `target` (a missing or
// empty file) a new register of that kind and writes every row into
// it. A row the register's keys refuse (a code twice) fails the whole copy
// with 3022 naming the file, the field and the value. On any failure the
// target holds no row, and the caller removes it.
void copy(const AccessFile& source, const QString& target, const RegisterFile& kind,
    const Progress& progress = {});

} // namespace AccessCopy
