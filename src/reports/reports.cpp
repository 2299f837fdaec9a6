// The camp reports' windows and the menu entries that show them.
#include "reports.h"

#include "app/app.h"
#include "app/mainwindow.h"
#include "formpartenza.h"
#include "formpresenti.h"
#include "formspec.h"
#include "formspeclist.h"
#include "headcount.h"

#include <QTimer>

#include <memory>

namespace Reports {

void install(App& app)
{
    app.addWindow<Formpresenti>();
    app.addWindow<FormPartenza>();
    app.addWindow<FormSpec>();
    app.addWindow<FormSpecList>();
    app.addCommand(
        QStringLiteral("mnvolvpre"), [](App& a) { a.showWindow(a.window<Formpresenti>()); });
    app.addCommand(
        QStringLiteral("mnpartenza"), [](App& a) { a.showWindow(a.window<FormPartenza>()); });
    // Both entries of the specializations menu open the same window.
    app.addCommand(QStringLiteral("mnspevel"), [](App& a) { a.showWindow(a.window<FormSpec>()); });
    app.addCommand(QStringLiteral("mnspea"), [](App& a) { a.showWindow(a.window<FormSpec>()); });
    app.addCommand(
        QStringLiteral("mnspevspe"), [](App& a) { a.showWindow(a.window<FormSpecList>()); });
    // The live headcount under the main window's title.
    app.addStartupStep([](App& a) {
        auto headcount = std::make_shared<Headcount>(a);
        // The first count reads every stay: start-up does not wait for it,
        // the line follows as soon as the program is idle.
        auto live = std::make_shared<bool>(false);
        QTimer::singleShot(0, a.mainWindow(), [&a, live] {
            *live = true;
            a.mainWindow()->refreshTitleLine();
        });
        a.mainWindow()->setTitleLineSource([&a, headcount, live]() -> QString {
            if (!*live)
                return QString();
            return headcount->text(a.clock().current());
        });
    });
}

} // namespace Reports
