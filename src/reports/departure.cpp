#include "departure.h"

#include "platform/database.h"
#include "platform/datacontrol.h"
#include "store/registers.h"
#include "store/scans.h"

namespace {

// Fills the current record's empty departure fields; untouched records are
// not rewritten.
void closeStay(Recordset& record, const QString& date, const QString& time)
{
    const bool noDate = record.field(QStringLiteral("DATAPA")).isEmpty();
    const bool noTime = record.field(QStringLiteral("ORAPA")).isEmpty();
    if (!noDate && !noTime)
        return;
    record.edit();
    if (noDate)
        record.setField(QStringLiteral("DATAPA"), date);
    if (noTime)
        record.setField(QStringLiteral("ORAPA"), time);
    record.update();
}

} // namespace

void registraPartenza(Registers& r, const QString& date, const QString& time)
{
    Globals& g = r.g;
    const bool everyone = g.denomass == QLatin1String("*");
    Transaction volunteers(r.Data4);
    scanAll(
        g.esitovol, [&] { leggivolass(r); }, [&] { closeStay(r.Data4.recordset(), date, time); });
    Transaction vehicles(r.Data6);
    scanAll(
        g.esitoauto, [&] { everyone ? leggiauto(r) : leggiautoass(r); },
        [&] { closeStay(r.Data6.recordset(), date, time); });
    volunteers.commit();
    vehicles.commit();
    r.Data4.refresh();
    r.Data6.refresh();
}
