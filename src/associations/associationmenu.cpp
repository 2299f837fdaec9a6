// The main menu's association entries: each sets the mode, the captions and
// the action button of its window, then shows it.
#include "formass.h"
#include "formlist.h"
#include "app/app.h"
#include "app/mainwindow.h"

#include <QListWidget>

namespace {

void showAssociationForm(App& app, const char* mode, const QString& caption, const QString& title,
    const QString& button)
{
    auto* form = app.windowAs<Formass>(QStringLiteral("Formass"));
    app.g.modoass = QString::fromLatin1(mode);
    form->setWindowTitle(caption);
    form->setTitle(title);
    form->setActionButton(button, true);
    app.showWindow(form);
}

void showAssociationList(App& app, const char* mode, const QString& toolTip)
{
    auto* list = app.windowAs<FormList>(QStringLiteral("formlist"));
    app.g.modolistass = QString::fromLatin1(mode);
    list->List1()->setToolTip(toolTip);
    app.showWindow(list);
}

const QString showDataTip = QStringLiteral("Cliccare l'associazione per visualizzare i suoi dati.");

} // namespace

void MainWindow::mnassinsClicked()
{
    showAssociationForm(app, "I", QStringLiteral("Associazioni - Inserimento"),
        QStringLiteral(" Inserimento nuova associazione"), QStringLiteral("Registra"));
}

void MainWindow::mnassmodClicked()
{
    showAssociationForm(app, "M", QStringLiteral("Associazioni - Modifica"),
        QStringLiteral("Modifica Associazioni"), QStringLiteral("Modifica"));
}

void MainWindow::mnassannClicked()
{
    showAssociationForm(app, "A", QStringLiteral("Associazioni - Cancellazione"),
        QStringLiteral("Cancellazione di una Associazione"), QStringLiteral("Elimina"));
}

void MainWindow::mnattsassClicked()
{
    showAssociationForm(app, "E", QStringLiteral("Associazioni - Stampa attestati"),
        QStringLiteral("Stampa attestati Associazioni"), QStringLiteral("Attestato"));
}

void MainWindow::mnassvelClicked()
{
    showAssociationList(app, "AL", showDataTip);
}

void MainWindow::mnassinizClicked()
{
    showAssociationList(app, "IA", showDataTip);
}
