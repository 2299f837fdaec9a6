#include "accessvalue.h"

#include <QDate>
#include <charconv>
#include <cmath>

namespace AccessValue {

namespace {

constexpr qint64 SecondsPerDay = 24 * 60 * 60;

template <typename Real> QString plainDecimal(Real value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, static_cast<int>(result.ptr - text));
}

} // namespace

QString dateTimeText(double value)
{
    if (!std::isfinite(value))
        return QString();
    // The whole days count from the origin in either direction; the fraction
    // is always the time of day (-1.25 is 29/12/1899 06:00).
    double days = std::trunc(value);
    qint64 seconds = std::llround(std::fabs(value - days) * SecondsPerDay);
    if (seconds >= SecondsPerDay) {
        days += 1;
        seconds -= SecondsPerDay;
    }
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
    const QString time = QStringLiteral("%1:%2")
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
    if (days == 0 && seconds != 0)
        return time;
    const QString day = date.toString(QStringLiteral("dd/MM/yyyy"));
    return seconds == 0 ? day : day + QLatin1Char(' ') + time;
}

QString realText(double value)
{
    return plainDecimal(value);
}

QString realText(float value)
{
    return plainDecimal(value);
}

QString decimalText(const QString& exact)
{
    const int point = exact.indexOf(QLatin1Char('.'));
    if (point < 0)
        return exact;
    int end = exact.size();
    while (end > point + 1 && exact.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end == point + 1)
        --end;
    QString result = exact.left(end);
    return result == QLatin1String("-0") ? QStringLiteral("0") : result;
}

QString yesNoText(bool yes)
{
    return yes ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace AccessValue
