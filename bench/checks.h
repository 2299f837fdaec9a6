#pragma once

#include <QString>

class App;
class Session;

// Every result is checked before its figure counts; a wrong one throws, so
// no figure is reported for work that was not done.
namespace Checks {

void check(bool ok, const Session& session, const QString& what);
// The program showed no "Errore ..." box.
void checkNoError(App& app, const Session& session, const QString& operation);

} // namespace Checks
