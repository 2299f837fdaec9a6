#include "gate.h"

#include "app/app.h"
#include "caricamotivi.h"
#include "formcar.h"
#include "formcar2.h"

namespace Gate {

void install(App& app)
{
    app.addWindow<FormCar>();
    app.addWindow<FormCar2>();
    app.addStartupStep(caricamotivi);
    app.addCommand(QStringLiteral("mnregcar"), [](App& a) { a.showWindow(a.window<FormCar>()); });
    app.addCommand(QStringLiteral("mnriccar"), [](App& a) { a.showWindow(a.window<FormCar2>()); });
}

} // namespace Gate
