#pragma once

#include "report.h"

#include <QList>

class Session;

// The vehicle register on sizes of its own (5,000 and 50,000 vehicles), in
// both sessions' folders: the text list against the bare ordered scan, the
// list window's activation (list and grid), and the keyed load of one
// vehicle against the same select run bare.
namespace VehicleMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN);

} // namespace VehicleMeasurement
