#pragma once

#include <QString>
#include <QStringList>

// A new desk starts from the files in the program's data folder: empty
// registers, the specializations, the gate reasons, the badge set-up, the
// counters and an empty emergency name. They are laid down only in a folder
// holding none of the program's files; after that a missing file is the
// operator's business and is reported where it is used.
namespace InitialFolder {

QStringList programFiles();
bool isNew(const QString& folder);
// Returns true when the folder was new and has been laid down.
bool layDownIfNew(const QString& folder);
void layDown(const QString& folder);
// Makes the desk's registers where they are missing, where the engine keeps
// them (on a server, at every start: another desk may have made them, or
// none yet). Throws the engine's error, e.g. a server that cannot be reached.
void layDownRegisters();

} // namespace InitialFolder
