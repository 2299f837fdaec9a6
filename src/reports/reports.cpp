// The camp reports' windows and the menu entries that show them.
#include "reports.h"

#include "app/app.h"
#include "formpartenza.h"
#include "formpresenti.h"

namespace Reports {

void install(App& app)
{
    app.addWindow<Formpresenti>();
    app.addWindow<FormPartenza>();
    app.addCommand(
        QStringLiteral("mnvolvpre"), [](App& a) { a.showWindow(a.window<Formpresenti>()); });
    app.addCommand(
        QStringLiteral("mnpartenza"), [](App& a) { a.showWindow(a.window<FormPartenza>()); });
    app.addCommand(
}

} // namespace Reports
