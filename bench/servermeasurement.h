#pragma once

#include "measurement.h"
#include "report.h"
#include "seeder.h"

#include <QList>
#include <QString>

namespace ServerMeasurement {

// The server named by OSTRALE_TEST_SERVER, or "" when none is set.
QString serverFromEnvironment();

// The badge read and the grouped volunteer list with the registers on the
// server, at both sizes one after the other: each size is seeded into the
// files, copied into the emptied server database, and measured with the
// program and the bare statements both on the server.
QList<ReportRow> measure(
    const QString& conninfo, const ArchiveSizes& n, const ArchiveSizes& tenN, const RunPlan& plan);

} // namespace ServerMeasurement
