#pragma once

#include "measurement.h"

#include <QList>
#include <QString>

// One operation's figures at both sizes and the goals it is held to.
struct ReportRow
{
    QString operation;
    double n;
    double tenN;
    double bareN;
    double bareTenN;
    double maxGrowth; // 10N/N must stay at or below this (below it when flat)
    bool flat; // the time must not follow the archive's size
    double maxOverBare; // ours/bare at 10N must stay at or below this; 0: no goal
    double maxMs = 0; // the time at 10N must stay below this; 0: no goal

    double growth() const { return n > 0 ? tenN / n : 0; }
    double overBare() const { return bareTenN > 0 ? tenN / bareTenN : 0; }
    bool passes() const;
    QString goal() const;
};

namespace Report {

QList<ReportRow> rows(const Figures& n, const Figures& tenN);
// A Markdown table, so that it pastes into the documentation as it is.
QString table(const QList<ReportRow>& rows);

} // namespace Report
