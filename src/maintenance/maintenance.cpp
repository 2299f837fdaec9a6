#include "maintenance.h"

#include "app/app.h"
#include "operations.h"

namespace Maintenance {

void install(App& app)
{
    app.addCommand(QStringLiteral("mnsalva"), salvaarchivi);
    app.addCommand(QStringLiteral("mnriprip"), ripristinaarchivi);
    app.addCommand(QStringLiteral("mnripazz"), azzeraarchivi);
    app.addCommand(QStringLiteral("mncompdb"), compattadatabase);
}

} // namespace Maintenance
