#pragma once

#include <QList>

class Session;
struct RunPlan;

// The operations measured through the program's windows, as the operator
// drives them; like the others they fill the sessions' figures.
namespace FormMeasurement {

// "Elenco generale volontari" from its menu entry until the list is built,
// against the list's query stepped through bare.
void measureVolunteerList(const QList<Session*>& sessions, const RunPlan& plan);
// Badges read into the volunteer form one character at a time, against the
// read's statements run bare. Every read registers a volunteer, so this runs
// after everything that expects the seeded number of volunteers.
void measureBadgeReads(const QList<Session*>& sessions, const RunPlan& plan);

} // namespace FormMeasurement
