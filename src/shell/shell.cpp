#include "shell.h"

#include "associations/associations.h"
#include "badges/badges.h"
#include "gate/gate.h"
#include "history/history.h"
#include "maintenance/maintenance.h"
#include "reports/reports.h"
#include "vehicles/vehicles.h"
#include "volunteers/volunteers.h"

void installSubsystems(App& app)
{
    Associations::install(app);
    Volunteers::install(app);
    Badges::install(app);
    Gate::install(app);
    Vehicles::install(app);
    Maintenance::install(app);
    Reports::install(app);
    History::install(app);
}
