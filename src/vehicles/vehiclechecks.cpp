#include "vehiclechecks.h"

#include "app/datetimechecks.h"

namespace VehicleChecks {

bool isBadDateFormat(const QString& date)
{
    bool bad = false;
    if (date.isEmpty())
        bad = true;
    if (date.mid(2, 1) != QLatin1String("/"))
        bad = true;
    if (date.mid(5, 1) != QLatin1String("/"))
        bad = true;
    if (date.mid(0, 2) > QLatin1String("31"))
        bad = true;
    if (date.mid(3, 2) > QLatin1String("12"))
        bad = true;
    if (date.mid(6, 4) < QLatin1String("1000"))
        bad = true;
    return bad;
}

QString sortableDate(const QString& date)
{
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2);
}

bool ctrldataarauto(const QString& dataar)
{
    return isBadDateFormat(dataar);
}

bool ctrloraarauto(const QString& oraar)
{
    return !isDeskTime(oraar);
}

bool ctrldatapaauto(const QString& datapa, const QString& dataar)
{
    if (datapa.isEmpty())
        return false;
    return isBadDateFormat(datapa) || sortableDate(datapa) < sortableDate(dataar);
}

bool ctrlorapaauto(
    const QString& orapa, const QString& datapa, const QString& dataar, const QString& oraar)
{
    if (orapa.isEmpty())
        return false;
    return !isDeskTime(orapa) || (datapa == dataar && isEarlierTime(orapa, oraar));
}

bool isKnownState(const QString& state)
{
    const QString first = state.left(1).toUpper();
    return first == QLatin1String("A") || first == QLatin1String("B") || first == QLatin1String("L")
        || first == QLatin1String("R");
}

} // namespace VehicleChecks
