#include "gate.h"

#include "app/app.h"
#include "caricamotivi.h"
#include "formcar.h"

namespace Gate {

void install(App& app)
{
    app.addWindow<FormCar>();
    app.addStartupStep(caricamotivi);
}

} // namespace Gate
