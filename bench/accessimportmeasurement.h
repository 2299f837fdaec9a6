#pragma once

#include "report.h"

class Session;

// "registry import (Access)": the import from TALPEX export files saved in
// Access's Jet 4 format, a tenth as many volunteers as the archive holds
// (written by ostrale-jetwriter from the same export in the desk's own
// format, outside the timing), against the import of that same export in the
// desk's own format, measured in turns in the same run. It replaces the
// export files and changes the archive, so it comes after the other
// history measurements.
namespace AccessImportMeasurement {

ReportRow measure(Session& n, Session& tenN);

} // namespace AccessImportMeasurement
