#pragma once

#include <QList>
#include <QString>

class Session;

// How many times each operation is repeated; the median run counts. One
// more run before them warms the caches and is not counted.
struct RunPlan
{
    int startRuns = 11;
    int countRuns = 5;
    int scanRuns = 7;
    int lookupRuns = 9;
    int lookupsPerRun = 2000;
    int firstRowRepeats = 200;
    int listRuns = 5;
    // Each round opens the volunteer form and reads a batch of badges, each
    // timed on its own; the figure is the median read.
    int badgeRounds = 5;
    int badgeReadsPerRound = 40;
    // Backup and compaction copy whole files: few runs keep the bench short.
    int maintenanceRuns = 3;
    int departureRuns = 3;
    int headcountRuns = 21;
    // Badges each desk reads when two desks are timed.
    int readsPerDesk = 200;
};

// Median times in milliseconds: the program's, and the same statements bare.
struct Figures
{
    double startup = 0;
    double startupBare = 0; // the first row of the history archive
    double count = 0;
    double countBare = 0;
    double scan = 0;
    double scanBare = 0;
    double lookup = 0; // one lookup
    double lookupBare = 0;
    double list = 0; // the grouped volunteer list
    double listBare = 0;
    double badgeRead = 0; // one badge read
    double badgeReadBare = 0;
    double backup = 0; // "Salva" of the four registers
    double backupBare = 0; // the engine's online backup of the same files
    double backupCopy = 0; // cp of the same files, synced
    double compaction = 0; // "Compatta Data Base"
    double compactionBare = 0; // VACUUM of the same files in place
    double compactionCopy = 0; // cp of the same files, synced
    double presence = 0; // "Volontari presenti"
    double presenceBare = 0; // the ordered volunteer scan, floor of both lists
    double search = 0; // the specialist search
    double departure = 0; // "TUTTE LE ASSOCIAZIONI"
    double departureBare = 0;
    double headcount = 0; // the main window's line after one change
    double headcountBare = 0; // the ordered scan a recount would need
};

namespace Measurement {

// Measures every operation on every session, taking the sessions in turns
// run by run, and fills their figures. Each result is checked against the
// archive's sizes; a wrong one throws, so no figure is reported for work
// that was not done.
// `only` names one group ("desk", "reports", "maintenance"), or is empty
// for all of them.
void measure(const QList<Session*>& sessions, const RunPlan& plan, const QString& only = {});

} // namespace Measurement
