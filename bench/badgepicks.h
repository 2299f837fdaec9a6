#pragma once

#include "registerprobe.h"

#include <QList>

namespace BadgePicks {

// Badges of random history records that a read registers at once: each code
// finds exactly one record, no volunteer of the camp has that code or is a
// namesake, and no two picks are namesakes of each other, so no read asks
// the operator anything. Throws when the archive has too few.
QList<Badge> choose(RegisterProbe& probe, int count, quint32 seed);

} // namespace BadgePicks
