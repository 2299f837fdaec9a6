#pragma once

#include "store/accesscopy.h"

#include <QString>

struct RegisterFile;

// The file work behind backup, restore and compaction. Every copy is made by
// the database engine into a temporary file beside its target, flushed to
// disk, and only then renamed over the target: a target is either left as it
// was or replaced by a complete file, whatever fails on the way (a full disk,
// a read-only folder, a crash). Failures are thrown as OstraleError.
namespace RegisterCopy {

// Copies the database `source` to `target` with the engine's online backup.
// The copy is a self-contained file (no journal beside it). A `target` that
// is an open register of the program must have been let go first.
void copy(const QString& source, const QString& target);

// Copies `source` over the live register `live` after it checked that
// `source` is a register of that kind; the copy gets the register's keys and
// indexes before it takes the live file's place. Nothing of `live` is touched
// until the copy is complete. A `source` saved by Access has its rows
// written into the new file (AccessCopy), told to `progress`.
void restore(const QString& source, const QString& live, const RegisterFile& kind,
    const AccessCopy::Progress& progress = {});

// The same for a source known to be an Access file.
void restoreFromAccess(const QString& source, const QString& live, const RegisterFile& kind,
    const AccessCopy::Progress& progress = {});

// Throws unless `path` is a database holding the register's table with
// exactly its fields, in order. The file is opened read-only.
void checkRegister(const QString& path, const RegisterFile& kind);

// Rebuilds the database in a compact temporary copy and puts it in the
// file's place.
void compact(const QString& path);

// Whether both names lead to the same file on disk (links and different
// spellings of one path included).
bool sameFile(const QString& first, const QString& second);

} // namespace RegisterCopy
