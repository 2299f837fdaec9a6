#pragma once

#include <QList>

class Session;
struct RunPlan;

// The camp reports measured through their windows: the presence list, the
// specialist search, the departure of all associations and the main
// window's headcount.
namespace ReportMeasurement {
// "Volontari presenti" at a moment after every arrival, and "Cerca" of the
// specialist search, each against the volunteers' ordered scan run bare.
void measurePresenceAndSearch(const QList<Session*>& sessions, const RunPlan& plan);
// "Elabora" of "TUTTE LE ASSOCIAZIONI", against the same filling done by two
// bare statements in one transaction. The departures are taken back bare
// after every run, so each run does the whole work.
void measureDeparture(const QList<Session*>& sessions, const RunPlan& plan);
// The headcount's refresh after one volunteer was changed through the
// program, against the bare ordered scan a recount would need.
void measureHeadcount(const QList<Session*>& sessions, const RunPlan& plan);
} // namespace ReportMeasurement
