#pragma once

#include <QString>

class App;

// The association and volunteer codes a camp volunteer's code leaves in the
// history archive. Only a code of 6 characters of association code and 4 of
// volunteer number is kept: one of 7 characters or fewer (a code given at the
// desk to a numeric association), or with "B" as its 7th character (one given
// at the desk to an association whose code begins with a letter), leaves both
// empty, and the volunteer gets a new code when he is registered again.
struct HistoryCodes
{
    QString codass;
    QString codvol;
};
HistoryCodes historyCodesOf(const QString& codvol);

// "Aggiornamento storico volontari": every camp volunteer (EMERVOL) whose
// association, surname and name the archive does not hold yet is added to
// it with his association's address from ASSO. A volunteer whose
// association is not registered stops the update there: "Associazione X non
// trovata."; the volunteers before him stay added. The whole update is one
// change of the archive, committed when it ends; then "Archivio storico
// aggiornato.".
void aggiornastorico(App& app);
