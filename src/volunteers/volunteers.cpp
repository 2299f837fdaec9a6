// The volunteers' windows, and the main menu's volunteer entries: each sets
// the mode, the captions and the buttons of its window, then shows it.
#include "volunteers.h"

#include "app/app.h"
#include "formvol.h"
#include "formvollist.h"

#include <QListWidget>
#include <optional>

namespace {

struct FormSetup
{
    const char* mode;
    const char* caption;
    const char* label1;
    const char* button;
    // Controls an entry does not name keep the visibility they had.
    std::optional<bool> surnameButton;
    std::optional<bool> associationSearch;
    std::optional<bool> barcode;
};

void showVolunteerForm(App& app, const FormSetup& setup)
{
    auto* form = app.window<FormVol>();
    app.g.modovol = QString::fromLatin1(setup.mode);
    form->setWindowTitle(QString::fromUtf8(setup.caption));
    form->setTitle(QString::fromUtf8(setup.label1));
    form->setActionButton(QString::fromUtf8(setup.button), true);
    if (setup.surnameButton)
        form->setSurnameButtonVisible(*setup.surnameButton);
    if (setup.associationSearch)
        form->setAssociationSearchVisible(*setup.associationSearch);
    if (setup.barcode)
        form->setBarcodeVisible(*setup.barcode);
    app.showWindow(form);
}

void showVolunteerList(App& app, const char* mode)
{
    auto* list = app.window<FormVolList>();
    app.g.modolistvol = QString::fromLatin1(mode);
    list->List1()->setToolTip(QString());
    list->setSelectionPrintVisible(false);
    // "Stampa tutti" belongs to the certificate choice only.
    list->setPrintCaption(QStringLiteral("Stampa"));
    // Opened from the menu, the list is always built anew.
    list->List1()->clear();
    app.showWindow(list);
}

} // namespace

namespace Volunteers {

void install(App& app)
{
    app.addWindow<FormVol>();
    app.addWindow<FormVolList>();
    app.addCommand(QStringLiteral("mnvolainsm"), [](App& a) {
        showVolunteerForm(a,
            { "I", "Volontari - Inserimento manuale", " Inserimento nuovi volontari", "Registra",
                false, {}, {} });
    });
    app.addCommand(QStringLiteral("mnvolainss"), [](App& a) {
        showVolunteerForm(a,
            { "S", "Volontari - Inserimento da Storico", " Inserimento nuovi volontari da storico",
                "Registra", true, true, false });
    });
    app.addCommand(QStringLiteral("mnvolainsb"), [](App& a) {
        showVolunteerForm(a,
            { "B", "Volontari - Inserimento da codice a barre", " Inserimento nuovi volontari ",
                "Registra", true, true, true });
    });
    app.addCommand(QStringLiteral("mnvolamod"), [](App& a) {
        showVolunteerForm(a,
            { "M", "Volontari - Modifica", " Modifica di un volontario", "Modifica", true, {},
                false });
    });
    app.addCommand(QStringLiteral("mnvolaann"), [](App& a) {
        showVolunteerForm(a,
            { "A", "Volontari - Elimina", " Cancellazione di un volontario", "Elimina", true, {},
                {} });
    });
    app.addCommand(QStringLiteral("mnvolvel"), [](App& a) { showVolunteerList(a, "GV"); });
    app.addCommand(QStringLiteral("mnvolvce"), [](App& a) { showVolunteerList(a, "CV"); });
}

} // namespace Volunteers
