#pragma once

#include <QString>
#include <memory>

class App;

// The program's own operations, driven the way the desk drives them, on the
// program folder that is the current folder.
namespace ProgramRuns {

// A program in test mode, not started yet: boxes are recorded, not shown.
std::unique_ptr<App> newProgram();

// The volunteers the full scan by association, surname and name went through.
qint64 scanVolunteers(App& app);
// Whether trovaass found the association.
bool findAssociation(App& app, const QString& name);

// Clears and sums NUMVOL on the program's own connection, so that each
// recount is seen to write every count again.
void clearCounts(App& app);
qint64 sumOfCounts(App& app);

// The first "Errore ..." box the program showed, or an empty text.
QString firstError(App& app);

} // namespace ProgramRuns
