#pragma once

#include "report.h"

#include <QList>

class Session;

// The history archive in both sessions' folders: the multiple entry of 50
// ticked volunteers of one association (each run a different association);
// the update of the archive from the camp register, against the same
// lookups and inserts run bare; and the import from TALPEX export files of
// as many associations as the camp has and as many volunteers as the
// archive has. The two updates change the archive, so they run once per
// session and come after every other measurement.
namespace HistoryMeasurement {

QList<ReportRow> measure(Session& n, Session& tenN);

} // namespace HistoryMeasurement
