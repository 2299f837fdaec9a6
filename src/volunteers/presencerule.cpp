#include "presencerule.h"

namespace {

// dd/mm/yyyy -> yyyymmdd, character by character, as the list compares them.
QString sortableDate(const QString& date)
{
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2);
}

} // namespace

bool isPresent(const PresenceRecord& record, const PresenceQuery& query)
{
    if (!query.camp.isEmpty() && record.camp != query.camp)
        return false;
    const QString p = sortableDate(query.date);
    const QString a = sortableDate(record.arrivalDate);
    const QString d = record.departureDate.isEmpty() ? QStringLiteral("99999999")
                                                     : sortableDate(record.departureDate);
    const QString departureTime
        = record.departureTime.isEmpty() ? QStringLiteral("24.00") : record.departureTime;
    if (p < a || p > d)
        return false;
    if (p == d && departureTime < query.time)
        return false;
    if (p == a && record.arrivalTime > query.time)
        return false;
    return true;
}
