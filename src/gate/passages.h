#pragma once

#include <QString>
#include <QStringList>

class Recordset;
class Registers;

// The passages through the vehicle gate in CAR (car.mdb, on Data8). An entry
// and the following exit of the same volunteer share one record; a record
// is open while one of its halves is missing (an empty date).
namespace Passages {

enum class Direction { Entry, Exit };

// What the gate window hands to a registration.
struct Passage
{
    QString gate;
    QString code;
    QString name;
    QString association;
    QString reason;
    QString date;
    QString time;
    QString note;
};

// Completes the volunteer's open record, or starts a new one when he has
// none, so that each code has at most one open record. One transaction.
void registerPassage(Registers& r, const Passage& passage, Direction direction);

bool isOpen(const Recordset& record);
// The list line of an open record: its entry half (date, time, name,
// association, reason) or its exit half.
QString entryLine(const Recordset& record);
QString exitLine(const Recordset& record);

struct OpenLists
{
    QStringList entries; // entries waiting for their exit
    QStringList exits; // exits waiting for their entry
};
// The open records in entry date and time order, as a walk of the whole log
// would list them, read through the indexes of the open records.
OpenLists openLists(Registers& r);

// Empties the log in one transaction.
void deleteAll(Registers& r);

} // namespace Passages
