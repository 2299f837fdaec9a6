#include "checks.h"

#include "programruns.h"
#include "session.h"

#include <stdexcept>

namespace Checks {

void check(bool ok, const Session& session, const QString& what)
{
    if (!ok)
        throw std::runtime_error((session.label() + QStringLiteral(": ") + what).toStdString());
}

void checkNoError(App& app, const Session& session, const QString& operation)
{
    const QString error = ProgramRuns::firstError(app);
    check(error.isEmpty(), session, operation + QStringLiteral(": ") + error);
}

} // namespace Checks
