#include "shellcommands.h"

#include "app.h"
#include "emergenzaform.h"

void installShellCommands(App& app)
{
    app.addWindow<EmergenzaForm>();
    app.addCommand(
        QStringLiteral("mnemergenza"), [](App& a) { a.showWindow(a.window<EmergenzaForm>()); });
    app.addCommand(QStringLiteral("mnfine"), [](App& a) { a.quit(); });
    app.addCommand(QStringLiteral("mnhelp"), [](App& a) { a.help().open(); });
}
