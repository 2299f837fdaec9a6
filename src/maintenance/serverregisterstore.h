#pragma once

#include "registerstore.h"

class ServerEngine;

// The registers as tables of the server. "Salva" reads the table in one
// read-only snapshot and writes a register file as a file desk has it;
// "Ripristina" replaces every row of the table in one transaction, so the
// table's keys refusing a row leave it as it was; compaction vacuums and
// analyses the table. The outside registry's exports stay files of the
// program folder and are compacted as files.
class ServerRegisterStore : public RegisterStore
{
public:
    bool isFile(const RegisterFile& kind) const override;
    void save(const RegisterFile& kind, const QString& live, const QString& target) const override;
    void restore(const QString& source, const QString& live, const RegisterFile& kind,
        const AccessCopy::Progress& progress) const override;
    void compact(const RegisterFile& kind, const QString& live) const override;

private:
    // Replaces the table's rows with those of the register file `source`.
    void replaceRows(const QString& source, const QString& reportedAs, const RegisterFile& kind,
        const AccessCopy::Progress& progress) const;
    // The server engine chosen for the desk's registers.
    static const ServerEngine& server();
};
