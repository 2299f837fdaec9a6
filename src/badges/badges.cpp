#include "badges.h"

#include "app/app.h"
#include "formpass.h"
#include "formsetpass.h"

namespace Badges {

void install(App& app)
{
    app.addWindow<FormPass>();
    app.addWindow<FormSetPass>();
    app.addCommand(QStringLiteral("mnpasst"), [](App& a) { a.showWindow(a.window<FormPass>()); });
    app.addCommand(
        QStringLiteral("mnpassetup"), [](App& a) { a.showWindow(a.window<FormSetPass>()); });
}

} // namespace Badges
