#pragma once

#include <QString>

class App;
class QLineEdit;

// The program's windows driven as the operator drives them: menu entries
// triggered, characters typed into boxes, buttons clicked.
namespace FormRuns {

// "Inserimento da codice a barre": the volunteer form in barcode mode;
// returns its badge box, empty and waiting for the reader.
QLineEdit* openBadgeEntry(App& app);
// The reader types the code one character at a time; each one is a change
// of the box, and the last one registers the volunteer.
void readBadge(QLineEdit* badgeBox, const QString& code);
// "Esci" on the volunteer form.
void closeVolunteerForm(App& app);

// "Elenco generale volontari": the list is built anew; returns its lines.
int showVolunteerList(App& app);
// "Esci" on the list, which empties it.
void closeVolunteerList(App& app);

} // namespace FormRuns
