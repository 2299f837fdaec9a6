#include "datetimechecks.h"

#include "store/registers.h"

#include <QRegularExpression>

QDate parseItalianDate(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{4}|\\d{2})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return QDate();
    int year = m.captured(4).toInt();
    if (m.captured(4).size() == 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, m.captured(3).toInt(), m.captured(1).toInt());
    return date.isValid() ? date : QDate();
}

bool isDeskTime(const QString& text)
{
    if (text.isEmpty())
        return false;
    bool valid = true;
    const QString separator = text.mid(2, 1);
    if (separator != QLatin1String(".") && separator != QLatin1String(":"))
        valid = false;
    if (text.mid(0, 2) > QLatin1String("23"))
        valid = false;
    if (text.mid(3, 2) > QLatin1String("59"))
        valid = false;
    return valid;
}

void ctrldata(Registers& r)
{
    Globals& g = r.g;
    g.esitocontrollo = QStringLiteral("0");
    if (g.testodata.isEmpty())
        return;
    const QDate date = parseItalianDate(g.testodata);
    if (!date.isValid()) {
        g.esitocontrollo = QStringLiteral("1");
        return;
    }
    g.valoredata = date;
}

int deskTimeMinutes(const QString& text)
{
    if (!isDeskTime(text))
        return -1;
    bool hoursRead = false;
    bool minutesRead = false;
    const int hours = text.mid(0, 2).toInt(&hoursRead);
    const int minutes = text.mid(3, 2).toInt(&minutesRead);
    return hoursRead && minutesRead ? hours * 60 + minutes : -1;
}

bool isEarlierTime(const QString& a, const QString& b)
{
    return deskTimeMinutes(a) < deskTimeMinutes(b);
}
