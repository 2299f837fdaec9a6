#pragma once

#include <QString>

namespace ServerCopy {

// Copies every row of the desk's registers in the seeded program folder
// into the tables of the server the registers' engine names (laid down and
// empty), one register per transaction, in multi-row inserts.
void copy(const QString& folder);

// Removes every table of the server's database, so that the next size is
// seeded into empty registers.
void clear();

} // namespace ServerCopy
