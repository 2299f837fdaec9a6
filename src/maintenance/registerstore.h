#pragma once

#include "store/accesscopy.h"

#include <QString>

struct RegisterFile;

// Where the maintenance finds the desk's registers: files of the program
// folder, or tables of the server. Saved copies are always register files of
// the desk's own kind, so a copy saved on one store opens on the other.
// Failures are thrown as OstraleError; a register is either left as it was
// or wholly replaced.
class RegisterStore
{
public:
    virtual ~RegisterStore() = default;

    // Whether the register is a file of the program folder (`live`).
    virtual bool isFile(const RegisterFile& kind) const = 0;
    // Writes the register into `target`, a self-contained register file put
    // in place only when complete.
    virtual void save(
        const RegisterFile& kind, const QString& live, const QString& target) const = 0;
    // Replaces the register with the rows of `source` (a saved register file
    // or an Access copy) once the file passed the same checks on every store.
    virtual void restore(const QString& source, const QString& live, const RegisterFile& kind,
        const AccessCopy::Progress& progress) const = 0;
    // Rebuilds the register compact, in its place.
    virtual void compact(const RegisterFile& kind, const QString& live) const = 0;

    // The store of the engine chosen for the desk's registers.
    static const RegisterStore& current();
};
