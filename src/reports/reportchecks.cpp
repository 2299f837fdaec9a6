#include "reportchecks.h"

bool isPresenceDate(const QString& text)
{
    const QString day = text.mid(0, 2);
    const QString month = text.mid(3, 2);
    if (text.mid(2, 1) != QLatin1String("/") || text.mid(5, 1) != QLatin1String("/"))
        return false;
    if (day > QLatin1String("31") || day < QLatin1String("01"))
        return false;
    return month <= QLatin1String("12");
}

bool isReportTime(const QString& text)
{
    const QString separator = text.mid(2, 1);
    if (text.mid(0, 2) > QLatin1String("24"))
        return false;
    if (separator != QLatin1String(".") && separator != QLatin1String(":"))
        return false;
    return text.mid(3, 2) <= QLatin1String("59");
}
