#include "badgepicks.h"

#include <QRandomGenerator>
#include <QSet>
#include <stdexcept>

namespace BadgePicks {

QList<Badge> choose(RegisterProbe& probe, int count, quint32 seed)
{
    const qint64 lastRowId = probe.lastHistoryRowId();
    QRandomGenerator random(seed);
    QSet<QString> codes;
    QSet<QString> people;
    QList<Badge> picks;
    // Most records qualify; the bound only stops a hopeless search.
    for (qint64 tries = 0; picks.size() < count && tries < 20LL * count + 1000; ++tries) {
        const std::optional<Badge> badge
            = probe.historyRecord(1 + qint64(random.bounded(quint64(qMax<qint64>(lastRowId, 1)))));
        if (!badge || badge->code.size() != 10 || codes.contains(badge->code))
            continue;
        const QString person
            = badge->denom + QLatin1Char('\n') + badge->surname + QLatin1Char('\n') + badge->name;
        if (people.contains(person) || probe.historyRecordsWithCode(badge->code) != 1
            || probe.isCodeRegistered(badge->code) || probe.hasNamesake(*badge))
            continue;
        codes.insert(badge->code);
        people.insert(person);
        picks << *badge;
    }
    if (picks.size() < count)
        throw std::runtime_error("too few history records to read as badges");
    return picks;
}

} // namespace BadgePicks
