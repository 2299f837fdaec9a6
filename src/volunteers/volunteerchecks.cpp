#include "volunteerchecks.h"

#include "app/app.h"

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
    if (!isDeskTime(orapa) || (datapa == dataar && isEarlierTime(orapa, oraar)))
        app.g.esitocontrollo = QStringLiteral("1");
}
