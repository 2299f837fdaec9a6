// The history archive's window and the main menu's entries that reach it:
// "Inserimento multiplo da storico" shows the window; the two entries of
// "Storico" run their update at once, without a question.
#include "history.h"

#include "app/app.h"
#include "formsto.h"
#include "historyupdate.h"
#include "talpeximport.h"

namespace History {

void install(App& app)
{
    app.addWindow<FormSto>();
    app.addCommand(QStringLiteral("mninsmult"), [](App& a) {
        auto* form = a.window<FormSto>();
        form->setWindowTitle(
            QStringLiteral("Volontari -  Inserimento multiplo volontari da storico"));
        a.showWindow(form);
    });
    app.addCommand(QStringLiteral("mnstoagg"), [](App& a) { aggiornastorico(a); });
    app.addCommand(QStringLiteral("mnaggstotalpex"), [](App& a) { importastorico(a); });
}

} // namespace History
