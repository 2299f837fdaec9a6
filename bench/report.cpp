#include "report.h"

#include <QStringList>

namespace {

QString duration(double ms)
{
    if (ms < 1)
        return QStringLiteral("%1 µs").arg(ms * 1000, 0, 'f', 1);
    if (ms < 100)
        return QStringLiteral("%1 ms").arg(ms, 0, 'f', 2);
    return QStringLiteral("%1 ms").arg(ms, 0, 'f', 0);
}

QString ratio(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'f', 2);
}

} // namespace

bool ReportRow::passes() const
{
    const bool scales = flat ? growth() < maxGrowth : growth() <= maxGrowth;
    return scales && (maxOverBare <= 0 || overBare() <= maxOverBare)
        && (maxMs <= 0 || tenN < maxMs);
}

QString ReportRow::goal() const
{
    QString text = QStringLiteral("10N/N %1 %2")
                       .arg(flat ? QStringLiteral("<") : QStringLiteral("≤"))
                       .arg(maxGrowth);
    if (maxOverBare > 0)
        text += QStringLiteral(", ≤ %1x bare").arg(maxOverBare);
    if (maxMs > 0)
        text += QStringLiteral(", < %1 ms").arg(maxMs);
    return text;
}

namespace Report {

QList<ReportRow> rows(const Figures& n, const Figures& tenN)
{
    // Start-up is weighed against reading one history row, and the grouped
    // list against its query alone: their ratios to bare say how much the
    // windows and the lines cost, and are no goal.
    return {
        { QStringLiteral("start-up (App::start)"), n.startup, tenN.startup, n.startupBare,
            tenN.startupBare, 2, true, 0 },
        { QStringLiteral("automatic count"), n.count, tenN.count, n.countBare, tenN.countBare, 12,
            false, 3 },
        { QStringLiteral("leggivol full scan"), n.scan, tenN.scan, n.scanBare, tenN.scanBare, 12,
            false, 3 },
        { QStringLiteral("trovaass lookup"), n.lookup, tenN.lookup, n.lookupBare, tenN.lookupBare,
            2, true, 3 },
        { QStringLiteral("grouped volunteer list (mnvolvel)"), n.list, tenN.list, n.listBare,
            tenN.listBare, 12, false, 0 },
        { QStringLiteral("badge read (formvol codbar)"), n.badgeRead, tenN.badgeRead,
            n.badgeReadBare, tenN.badgeReadBare, 2, true, 3 },
        // The archive copies are weighed twice: against the engine's own
        // operation on the same files, and against a cp of their bytes synced to
        // disk, as a copy that survives a power cut must be.
        { QStringLiteral("backup (mnsalva)"), n.backup, tenN.backup, n.backupBare, tenN.backupBare,
            12, false, 3 },
        { QStringLiteral("backup against cp"), n.backup, tenN.backup, n.backupCopy, tenN.backupCopy,
            12, false, 5 },
        { QStringLiteral("compaction (mncompdb)"), n.compaction, tenN.compaction, n.compactionBare,
            tenN.compactionBare, 12, false, 3 },
        { QStringLiteral("compaction against cp"), n.compaction, tenN.compaction, n.compactionCopy,
            tenN.compactionCopy, 12, false, 5 },
        { QStringLiteral("presence list"), n.presence, tenN.presence, n.presenceBare,
            tenN.presenceBare, 12, false, 3 },
        { QStringLiteral("specialist search"), n.search, tenN.search, n.presenceBare,
            tenN.presenceBare, 12, false, 3 },
        { QStringLiteral("departure of all"), n.departure, tenN.departure, n.departureBare,
            tenN.departureBare, 12, false, 0 },
        { QStringLiteral("headcount"), n.headcount, tenN.headcount, n.headcountBare,
            tenN.headcountBare, 2, true, 0, 10 },
    };
}

QString table(const QList<ReportRow>& rows)
{
    QStringList lines;
    lines << QStringLiteral("| operation | N | 10N | 10N/N | bare N | bare 10N | ours/bare (10N) "
                            "| goal | result |")
          << QStringLiteral("|---|---:|---:|---:|---:|---:|---:|---|---|");
    for (const ReportRow& row : rows)
        lines << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 |")
                     .arg(row.operation, duration(row.n), duration(row.tenN), ratio(row.growth()),
                         duration(row.bareN), duration(row.bareTenN), ratio(row.overBare()),
                         row.goal(),
                         row.passes() ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
    return lines.join(QLatin1Char('\n'));
}

} // namespace Report
