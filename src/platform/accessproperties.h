#pragma once

// Qt first: libmdb's header would otherwise take the C++ headers glib
// pulls in as C.
#include <QByteArray>

#include <mdbtools.h>

// The property records Access keeps with each table in its catalog (the
// LvProp column of MSysObjects). libmdb parses them while it reads the
// catalog and trusts the lengths they carry: a length of zero makes it loop
// for ever and one past the end makes it read beyond its buffer. These
// checks walk the same records first, so that a damaged file is refused
// before libmdb sees it.
namespace AccessProperties {

// Whether one property block is well formed: the "KKD" or "MR2" mark, then
// chunks whose lengths chain to the block's end, each names list and each
// property record lying whole inside its chunk.
bool wellFormed(const QByteArray& block);

// Whether every table entry of the catalog of `mdb` carries a well-formed
// property block (or none). False as well when the catalog table itself
// cannot be read.
bool catalogReadable(MdbHandle* mdb);

} // namespace AccessProperties
