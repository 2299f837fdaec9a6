#pragma once

#include <QString>

class Database;

// Code counters kept as rows of the registers' own database (a server), so
// that every desk counts on from the same line: one row per counter, its name
// and its line. A counter is advanced inside the transaction of the record
// that takes its number: the row stays locked until that transaction ends, so
// two desks never take the same line, and a rollback gives the number back.
class CounterRows
{
public:
    // The statement that makes the counters' table where it is missing.
    static QString createStatement();

    // The counter's line as it stands ("" for a counter never written).
    static QString read(Database& database, const QString& name);
    // The counter's line, its row locked until the transaction open on
    // `database` ends (a counter never written is made empty first).
    static QString lock(Database& database, const QString& name);
    // Stores the counter's line (inside the caller's transaction, if any).
    static void write(Database& database, const QString& name, const QString& value);
};
