#pragma once

#include <QByteArray>

namespace Jet {

// The header page of a Jet 4 file without a password or an encryption key:
// the engine's name and version, then, scrambled with the fixed key every
// Jet file uses, the code page, the sort order and the creation date
// (`created`, days since 30/12/1899) that the password bytes are masked with.
QByteArray headerPage(double created);

// The creation date, as the header and the catalog keep it, of a file made
// now.
double now();

} // namespace Jet
