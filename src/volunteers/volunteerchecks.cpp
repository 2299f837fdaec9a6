#include "volunteerchecks.h"

#include "app/app.h"

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

void ctrldata(App& app)
{
    Globals& g = app.g;
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

void ctrloraarvol(App& app, const QString& oraar)
{
    app.g.esitocontrollo = isDeskTime(oraar) ? QStringLiteral("0") : QStringLiteral("1");
}

void ctrlorapavol(App& app, const QString& orapa, const QString& datapa, const QString& dataar,
    const QString& oraar)
{
    app.g.esitocontrollo = QStringLiteral("0");
    if (orapa.isEmpty())
        return;
    if (!isDeskTime(orapa) || (datapa == dataar && orapa < oraar))
        app.g.esitocontrollo = QStringLiteral("1");
}
