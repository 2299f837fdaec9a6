#pragma once

#include <QString>

class Session;

// TALPEX's export in a session's folder, and its import timed.
namespace TalpexExport {

// Writes assoesp.mdb (the session's associations) and voloesp.mdb
// (`volunteers` volunteers spread over them) in the desk's own format.
void seed(Session& session, qint64 volunteers);

// Times "Agg. storico da TALPEX" on the export in the folder, then checks
// that the archive holds exactly `volunteers` records under the export's
// associations (named in the desk's-format assoesp.mdb at `associations`,
// the folder's own one by default). `operation` names it in a failure.
double timeImport(Session& session, const QString& operation, qint64 volunteers,
    const QString& associations = QString());

} // namespace TalpexExport
