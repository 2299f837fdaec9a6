// The associations' windows, and the main menu's association entries: each
// sets the mode, the captions and the action button of its window, then
// shows it.
#include "associations.h"

#include "app/app.h"
#include "formass.h"
#include "formlist.h"
#include "volunteercount.h"

#include <QListWidget>

namespace {

void showAssociationForm(
    App& app, const char* mode, const QString& caption, const QString& title, const QString& button)
{
    auto* form = app.window<Formass>();
    app.g.modoass = QString::fromLatin1(mode);
    form->setWindowTitle(caption);
    form->setTitle(title);
    form->setActionButton(button, true);
    app.showWindow(form);
}

void showAssociationList(App& app, const char* mode)
{
    auto* list = app.window<FormList>();
    app.g.modolistass = QString::fromLatin1(mode);
    list->List1()->setToolTip(
        QStringLiteral("Cliccare l'associazione per visualizzare i suoi dati."));
    app.showWindow(list);
}

// The association list in a mode that hands the clicked association to the
// volunteer list.
void chooseAssociationForVolunteers(App& app, const char* mode)
{
    auto* list = app.window<FormList>();
    app.g.modolistass = QString::fromLatin1(mode);
    list->List1()->setToolTip(
        QStringLiteral("Clicca l'associazione per visualizzare i suoi volontari."));
    app.showWindow(list);
}

} // namespace

namespace Associations {

void install(App& app)
{
    app.addWindow<Formass>();
    app.addWindow<FormList>();
    app.addCommand(QStringLiteral("mnassins"), [](App& a) {
        showAssociationForm(a, "I", QStringLiteral("Associazioni - Inserimento"),
            QStringLiteral(" Inserimento nuova associazione"), QStringLiteral("Registra"));
    });
    app.addCommand(QStringLiteral("mnassmod"), [](App& a) {
        showAssociationForm(a, "M", QStringLiteral("Associazioni - Modifica"),
            QStringLiteral("Modifica Associazioni"), QStringLiteral("Modifica"));
    });
    app.addCommand(QStringLiteral("mnassann"), [](App& a) {
        showAssociationForm(a, "A", QStringLiteral("Associazioni - Cancellazione"),
            QStringLiteral("Cancellazione di una Associazione"), QStringLiteral("Elimina"));
    });
    app.addCommand(QStringLiteral("mnattsass"), [](App& a) {
        showAssociationForm(a, "E", QStringLiteral("Associazioni - Stampa attestati"),
            QStringLiteral("Stampa attestati Associazioni"), QStringLiteral("Attestato"));
    });
    app.addCommand(QStringLiteral("mnassvel"), [](App& a) { showAssociationList(a, "AL"); });
    app.addCommand(QStringLiteral("mnassiniz"), [](App& a) { showAssociationList(a, "IA"); });
    app.addCommand(QStringLiteral("mnassnum"), aggiornanumerovolontari);
    // The volunteer menu's entries that start from the choice of an
    // association.
    app.addCommand(
        QStringLiteral("mnvolvass"), [](App& a) { chooseAssociationForVolunteers(a, "AV"); });
    app.addCommand(QStringLiteral("mnattsvol"), [](App& a) {
        const auto answer = a.say(QStringLiteral("Stampa attestati volontari con date?"),
            MessageBox::YesNo, QStringLiteral("Stampa attestati volontari"));
        a.g.conddate = answer == MessageBox::AnswerYes ? QStringLiteral("6") : QStringLiteral("7");
        chooseAssociationForVolunteers(a, "EV");
    });
}

} // namespace Associations
