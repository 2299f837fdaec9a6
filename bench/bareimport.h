#pragma once

#include <QString>

// The floor of the import from TALPEX: on a copy of the history archive, the
// export's records loaded through SQLite's C API, one prepared insert in one
// transaction, with the archive's indexes set aside and built again.
namespace BareImport {

// Copies the folder's stor.mdb aside (untimed), then times the load into the
// copy; `loaded` gets the rows the insert wrote. Milliseconds.
double measure(const QString& folder, qint64& loaded);

} // namespace BareImport
