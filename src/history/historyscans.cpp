#include "historyscans.h"

#include "app/datetimechecks.h"
#include "store/historyqueries.h"
#include "store/registers.h"
#include "store/scans.h"

namespace {

bool isBadDate(const QString& date)
{
    return date.isEmpty() || date.mid(2, 1) != QLatin1String("/")
        || date.mid(5, 1) != QLatin1String("/") || date.mid(0, 2) > QLatin1String("31")
        || date.mid(3, 2) > QLatin1String("12") || date.mid(6, 4) < QLatin1String("1000");
}

QString verdict(bool bad)
{
    return bad ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void leggistorass(Registers& r)
{
    scanStep(r.Data5, r.g.esitostor, HistoryQueries::historyOfAssociationByName, { r.g.denomass });
}

void ctrldataarsto(Registers& r, const QString& dataar)
{
    r.g.esitocontrollo = verdict(isBadDate(dataar));
}

void ctrloraarsto(Registers& r, const QString& oraar)
{
    r.g.esitocontrollo = verdict(!isDeskTime(oraar));
}
