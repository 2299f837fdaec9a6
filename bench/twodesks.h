#pragma once

#include <QString>
#include <QStringList>

// Registrations per second of one desk alone and of two desks at once on one
// server database: each desk is a process of its own (this program started
// again with --desk), with its own connections, reading its own badges
// through the volunteer form from the moment it is told.
namespace TwoDesks {

struct Rates
{
    double alone = 0; // registrations per second
    double together = 0; // of both desks, from the first start to the last end
    bool passes() const { return alone > 0 && together >= 1.6 * alone; }
    QString line() const;
};

// Picks badges in the registers now on the server and times the desks.
Rates measure(const QString& conninfo, int readsPerDesk);

// The desk's side: reads the codes of `codesFile` as badges once the clock
// reaches `goAtMs` (milliseconds since the epoch) and prints "START END" in
// the same clock. Returns the process's exit status.
int runDesk(const QString& conninfo, const QString& codesFile, qint64 goAtMs);

} // namespace TwoDesks
