#include "shell.h"

#include "associations/associations.h"
#include "badges/badges.h"
#include "gate/gate.h"
#include "reports/reports.h"
#include "volunteers/volunteers.h"

void installSubsystems(App& app)
{
    Associations::install(app);
    Volunteers::install(app);
    Badges::install(app);
    Gate::install(app);
    Reports::install(app);
}
