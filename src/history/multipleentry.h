#pragma once

#include <QString>
#include <QStringList>

class App;

// What the operator gave the multiple entry: the association as its box
// reads, the ticked lines of the volunteer list (the leading empty line is
// never among them), and one arrival date and time for all.
struct MultipleEntry
{
    QString association;
    QStringList tickedLines;
    QString dataar;
    QString oraar;
};

// Registers each ticked volunteer of the association `denomass` as arrived,
// from his history record, and ends with "Volontari inseriti:  N". A line
// that matches no history record ("Volontario non trovato") or a record the
// engine refuses ends the whole operation at once, without the count; the
// volunteers registered before stay registered. A record with no
// denomination, a wrong date or a wrong time is told ("Manca
// denominazione.", "Data arrivo errata.", "Ora arrivo errata.") and skipped,
// and so is a volunteer whose namesake question is answered No.
//
// A history record without CODASS gets the code of the association he is
// registered under (created from the history record when missing), followed
// by the next volunteer number; with "B" and the number's last three digits
// when that code begins with a letter.
void inserisciMultiplo(App& app, const MultipleEntry& entry);

// The volunteer code given at the desk: the association's code followed by
// the four-digit volunteer number, or by "B" and the number's last three
// digits when the association's code begins with a letter.
QString deskVolunteerCode(const QString& associationCode, const QString& number);
