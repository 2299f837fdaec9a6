#pragma once

#include <QByteArray>

namespace Jet {

// The header page without password or key; the scrambled part is masked with `created`'s days.
QByteArray headerPage(double created);

// The creation date, as the header and the catalog keep it, of a file made now.
double now();

} // namespace Jet
