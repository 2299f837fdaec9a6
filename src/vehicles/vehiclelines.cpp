#include "vehiclelines.h"

#include "app/listlines.h"

QString vehicleLine(const QString& descr, const QString& dataar, const QString& oraar,
    const QString& datapa, const QString& orapa)
{
    const QChar blank(QLatin1Char(' '));
    return ListLines::field(descr, 50) + blank + dataar + blank + oraar + blank + datapa + blank
        + orapa;
}
