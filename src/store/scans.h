#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class DataControl;
class Registers;

// The record scans. Each call moves one record further on its connection and
// reports in its status variable: "1" on the first record, "2" on a following
// one, "9" when nothing (more) was found. The caller sets the status to "0"
// to start a new scan, and reads or changes the current record between calls.

// One step of the protocol: runs the query when the status asks for a new
// scan, otherwise moves to the next record.
void scanStep(
    DataControl& connection, QString& status, const QString& sql, const QVariantList& parameters);

// Runs a scan from the start ("0") to its end ("9") and calls `visit` on
// every record it stops on.
template <typename Scan, typename Visit> void scanAll(QString& status, Scan scan, Visit visit)
{
    status = QStringLiteral("0");
    for (;;) {
        scan();
        if (status == QLatin1String("9"))
            return;
        visit();
    }
}

void leggiass(Registers& r); // all associations by DENOM (Data3, esitoass)
void trovaass(Registers& r); // the association named denomass (Data3, esitoass: "1" or "9")
void leggiauto(Registers& r); // all vehicles by DENOM, DESCR (Data6, esitoauto)
void leggiautoass(Registers& r); // vehicles of denomass by DESCR (Data6, esitoauto)
void leggivolass(Registers& r); // volunteers of denomass, "*" for all (Data4, esitovol)
void leggivolcod(Registers& r); // the volunteer with code codvolemer (Data4, esitovol)
void leggivol(Registers& r); // all volunteers by DENOM, COGNOME, NOME (Data4, esitovol)
void leggistor(Registers& r); // the whole history archive by DENOM, COGN, NOME (Data5, esitostor)
void leggistorcod(Registers& r); // the history record codasscerca + codvolcerca (Data5, esitostor)

// The associations of the register in name order whose DENOM contains
// `wanted` (already upper-cased; "" admits all).
QStringList associationNamesContaining(Registers& r, const QString& wanted);
