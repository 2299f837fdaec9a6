// The main menu's volunteer entries: each sets the mode, the captions and
// the buttons of its window, then shows it.
#include "formvol.h"
#include "formvollist.h"
#include "app/app.h"
#include "app/mainwindow.h"

#include <QListWidget>

namespace {

struct FormSetup
{
    const char* mode;
    const char* caption;
    const char* label1;
    const char* button;
    QStringList shown;
    QStringList hidden;
};

void showVolunteerForm(App& app, const FormSetup& setup)
{
    OstraleWindow* form = app.window(QStringLiteral("formvol"));
    app.g.modovol = QString::fromLatin1(setup.mode);
    form->setWindowTitle(QString::fromUtf8(setup.caption));
    form->setControlText(QStringLiteral("Label1"), QString::fromUtf8(setup.label1));
    form->setControlText(QStringLiteral("cmdregistra"), QString::fromUtf8(setup.button));
    form->setControlVisible(QStringLiteral("cmdregistra"), true);
    // Controls an entry does not name keep the visibility they had.
    for (const QString& name : setup.shown)
        form->setControlVisible(name, true);
    for (const QString& name : setup.hidden)
        form->setControlVisible(name, false);
    app.showWindow(form);
}

void showVolunteerList(App& app, const char* mode)
{
    auto* list = app.windowAs<FormVolList>(QStringLiteral("formvollist"));
    app.g.modolistvol = QString::fromLatin1(mode);
    list->List1()->setToolTip(QString());
    list->setControlVisible(QStringLiteral("cmdstampasel"), false);
    // "Stampa tutti" belongs to the certificate choice only.
    list->setControlText(QStringLiteral("cmdstampa"), QStringLiteral("Stampa"));
    // Opened from the menu, the list is always built anew.
    list->List1()->clear();
    app.showWindow(list);
}

} // namespace

void MainWindow::mnvolainsmClicked()
{
    showVolunteerForm(app, { "I", "Volontari - Inserimento manuale", " Inserimento nuovi volontari", "Registra",
                               {}, { "cmdcognome" } });
}

void MainWindow::mnvolainssClicked()
{
    showVolunteerForm(app, { "S", "Volontari - Inserimento da Storico", " Inserimento nuovi volontari da storico",
                               "Registra", { "cmdcognome", "cmdcercaass" }, { "Labelbar", "codbar" } });
}

void MainWindow::mnvolainsbClicked()
{
    showVolunteerForm(app, { "B", "Volontari - Inserimento da codice a barre", " Inserimento nuovi volontari ",
                               "Registra", { "cmdcognome", "cmdcercaass", "Labelbar", "codbar" }, {} });
}

void MainWindow::mnvolamodClicked()
{
    showVolunteerForm(app, { "M", "Volontari - Modifica", " Modifica di un volontario", "Modifica",
                               { "cmdcognome" }, { "Labelbar", "codbar" } });
}

void MainWindow::mnvolaannClicked()
{
    showVolunteerForm(app, { "A", "Volontari - Elimina", " Cancellazione di un volontario", "Elimina",
                               { "cmdcognome" }, {} });
}

void MainWindow::mnvolvelClicked()
{
    showVolunteerList(app, "GV");
}

void MainWindow::mnvolvceClicked()
{
    showVolunteerList(app, "CV");
}

namespace {

void chooseAssociationForVolunteers(App& app, const char* mode)
{
    OstraleWindow* list = app.window(QStringLiteral("formlist"));
    app.g.modolistass = QString::fromLatin1(mode);
    list->setControlToolTip(QStringLiteral("List1"), QStringLiteral("Clicca l'associazione per visualizzare i suoi volontari."));
    app.showWindow(list);
}

} // namespace

void MainWindow::mnvolvassClicked()
{
    chooseAssociationForVolunteers(app, "AV");
}

void MainWindow::mnattsvolClicked()
{
    const auto answer = app.say(QStringLiteral("Stampa attestati volontari con date?"), MessageBox::YesNo,
        QStringLiteral("Stampa attestati volontari"));
    app.g.conddate = answer == MessageBox::AnswerYes ? QStringLiteral("6") : QStringLiteral("7");
    chooseAssociationForVolunteers(app, "EV");
}
