#pragma once

#include <QList>

class Session;
struct RunPlan;

// "Salva" and "Compatta Data Base" timed on the seeded folders, each beside
// the engine's own operation on the same files and a plain cp of their bytes.
namespace MaintenanceMeasurement {

void measureBackup(const QList<Session*>& sessions, const RunPlan& plan);
void measureCompaction(const QList<Session*>& sessions, const RunPlan& plan);

} // namespace MaintenanceMeasurement
