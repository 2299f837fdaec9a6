#include "presencerule.h"

namespace {

// dd/mm/yyyy -> yyyymmdd, character by character, as the list compares them.
QString sortableDate(const QString& date)
{
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2);
}

// A time's value in minutes, "." and ":" alike, up to the "24.00" that
// stands for the end of a departure day; -1 when the text is no hh.mm time.
int minutesOf(const QString& time)
{
    if (time.size() < 5 || (time[2] != QLatin1Char('.') && time[2] != QLatin1Char(':')))
        return -1;
    for (int i : { 0, 1, 3, 4 })
        if (!time[i].isDigit())
            return -1;
    return time.mid(0, 2).toInt() * 60 + time.mid(3, 2).toInt();
}

// Whether time `a` is before time `b`: by value when both are times (so
// 14:10 is before 14.30 and 14.30 ties with 14:30), otherwise as text, so an
// empty arrival time is before any presence time.
bool isBefore(const QString& a, const QString& b)
{
    const int valueA = minutesOf(a);
    const int valueB = minutesOf(b);
    if (valueA >= 0 && valueB >= 0)
        return valueA < valueB;
    return a < b;
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
    if (p == d && isBefore(departureTime, query.time))
        return false;
    if (p == a && isBefore(query.time, record.arrivalTime))
        return false;
    return true;
}
