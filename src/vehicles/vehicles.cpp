// The vehicles' windows, and the main menu's "Automezzi" entries: each sets
// the mode, the caption and the action button of its window, then shows it.
#include "vehicles.h"

#include "app/app.h"
#include "formauto.h"
#include "formautolist.h"

namespace {

void showVehicleForm(App& app, const char* mode, const QString& caption, const QString& button)
{
    auto* form = app.window<Formauto>();
    form->prepareFor(QString::fromLatin1(mode), caption, button);
    app.showWindow(form);
}

} // namespace

namespace Vehicles {

void install(App& app)
{
    app.addWindow<Formauto>();
    app.addWindow<Formautolist>();
    app.addCommand(QStringLiteral("mnautov"), [](App& a) {
        auto* list = a.window<Formautolist>();
        list->showListView();
        a.showWindow(list);
    });
    app.addCommand(QStringLiteral("mnautoains"), [](App& a) {
        showVehicleForm(
            a, "I", QStringLiteral(" Automezzi - Inserimento "), QStringLiteral("Registra"));
    });
    app.addCommand(QStringLiteral("mnautoamod"), [](App& a) {
        showVehicleForm(
            a, "M", QStringLiteral(" Automezzi - Modifica "), QStringLiteral("Modifica"));
    });
    app.addCommand(QStringLiteral("mnautoaann"), [](App& a) {
        showVehicleForm(
            a, "A", QStringLiteral(" Automezzi - Annullamento "), QStringLiteral("Elimina"));
    });
}

} // namespace Vehicles
