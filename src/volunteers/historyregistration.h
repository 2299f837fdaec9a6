#pragma once

#include <QString>
#include <functional>

class App;
class Recordset;

// A history record, found again by its fields at save time.
struct HistoryKey
{
    QString codass, codvol, denom, cogn, nome;

    static HistoryKey of(const Recordset& record);
};

// Moves Data5 onto the history record with exactly these fields; false when
// the archive no longer holds it.
bool findHistoryRecord(App& app, const HistoryKey& key);

// The EMERVOL fields of a new arrival, as they are stored.
struct ArrivalRecord
{
    QString denom, cognome, nome, campo, tenda, spec, dataar, oraar, datapa, orapa;
};

enum class HistoryRegistration {
    Registered,
    Declined, // a namesake question answered No
    Refused, // the engine refused the record; the operator was told why
};

// Registers the volunteer of the history record current on Data5, with no
// window involved: one question "Volontario già esistente. Vuoi registrarlo
// ugualmente?" per namesake already registered under the same association,
// surname and name (No ends the registration); the association created
// from the history record when it is missing (creaassdastor); then the
// EMERVOL record under the code `volunteerCode` gives, called after the
// association exists. A duplicate code is told "Volontario già presente",
// any other engine failure by its description.
HistoryRegistration registerFromHistory(
    App& app, const ArrivalRecord& arrival, const std::function<QString()>& volunteerCode);

// Asks "Volontario già esistente. Vuoi registrarlo ugualmente?" once per
// volunteer already registered under the arrival's association, surname and
// name; false as soon as one is answered No.
bool confirmNamesakes(App& app, const ArrivalRecord& arrival);

// Adds the EMERVOL record with that code; used by every insertion.
void insertArrival(App& app, const QString& code, const ArrivalRecord& arrival);
// Writes the arrival's fields into the record being added or edited.
void writeArrival(Recordset& volunteer, const ArrivalRecord& arrival);
