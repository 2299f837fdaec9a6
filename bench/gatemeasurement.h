#pragma once

#include "report.h"

#include <QList>

class Session;

// The vehicle gate on a passage log of its own sizes (50,000 and 500,000
// passages, about 200 of them open), in both sessions' folders: one passage
// (code recall, registration, open lists rebuilt) and the search window's
// activation, each against the same statements run bare.
namespace GateMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN);

} // namespace GateMeasurement
