#pragma once

#include <QString>
#include <QStringList>

// The register files as another program sees them: through a connection of
// the runner's own, opened for one statement and closed again, beside the
// connections the program keeps open. When the desk keeps its registers on a
// server, a register file's statements run on its table there.
namespace SqlFiles {

// Runs one statement. A missing register file is created first, with its
// table, as a new folder has it; so is a missing table of a register file.
void execute(const QString& path, const QString& sql);

// The query's rows, fields joined by '|', a NULL as an empty field and a
// number written as SQLite writes it.
QStringList rows(const QString& path, const QString& sql);

// Makes the register refuse each new record for which `condition` (an SQL
// truth over `new.FIELD`) holds, every new record when it is empty, with
// `message` as the engine's error; an empty `message` lifts the refusal.
void refuseInserts(const QString& path, const QString& message, const QString& condition);

// The names of the register's indexes (those a key constraint owns left
// out), as the engine that holds it gives them, in name order.
QStringList indexNames(const QString& path);

// Whether the register lives on the server rather than in the folder; a
// register file's companions (its -wal, -shm and -journal files) go with it.
bool onServer(const QString& path);

// Removes the register's table when the desk keeps it on a server (true);
// false for a file of the folder.
bool removeFromServer(const QString& path);

} // namespace SqlFiles
