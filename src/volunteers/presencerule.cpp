#include "presencerule.h"

#include <string_view>

namespace {

// A date as the list compares it: dd/mm/yyyy read as the text yyyymmdd,
// character by character (a shorter or odd text gives a shorter key, exactly
// as cutting it into those three pieces would). Built on the stack: the rule
// runs once per volunteer of a list.
class DateKey
{
public:
    explicit DateKey(QStringView date)
    {
        append(date, 6, 4);
        append(date, 3, 2);
        append(date, 0, 2);
    }
    std::u16string_view view() const { return { m_chars, m_size }; }

private:
    void append(QStringView date, qsizetype from, qsizetype count)
    {
        for (qsizetype i = from; i < from + count && i < date.size(); ++i)
            m_chars[m_size++] = date[i].unicode();
    }
    char16_t m_chars[8] {};
    std::size_t m_size = 0;
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A time's value in minutes, "." and ":" alike, up to the "24.00" that
// stands for the end of a departure day; -1 when the text is no hh.mm time.
int minutesOf(QStringView time)
{
    if (time.size() < 5 || (time[2] != QLatin1Char('.') && time[2] != QLatin1Char(':')))
        return -1;
    for (int i : { 0, 1, 3, 4 })
        if (!isAsciiDigit(time[i]))
            return -1;
    const auto digit = [&](int i) { return time[i].unicode() - u'0'; };
    return (digit(0) * 10 + digit(1)) * 60 + digit(3) * 10 + digit(4);
}

// Whether time `a` is before time `b`: by value when both are times (so
// 14:10 is before 14.30 and 14.30 ties with 14:30), otherwise as text, so an
// empty arrival time is before any presence time.
bool isBefore(QStringView a, QStringView b)
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
    const DateKey p(query.date);
    const DateKey a(record.arrivalDate);
    // No departure date: still here, whatever the date asked.
    const DateKey d(record.departureDate.isEmpty() ? QStringView(u"99/99/9999")
                                                   : QStringView(record.departureDate));
    const QStringView departureTime = record.departureTime.isEmpty()
        ? QStringView(u"24.00")
        : QStringView(record.departureTime);
    if (p.view() < a.view() || p.view() > d.view())
        return false;
    if (p.view() == d.view() && isBefore(departureTime, query.time))
        return false;
    if (p.view() == a.view() && isBefore(query.time, record.arrivalTime))
        return false;
    return true;
}
