#include "scans.h"

#include "platform/busypointer.h"
#include "queries.h"
#include "registers.h"

void scanStep(
    DataControl& connection, QString& status, const QString& sql, const QVariantList& parameters)
{
    const BusyPointer busy;
    if (status == QLatin1String("9"))
        return;
    Recordset& records = connection.recordset();
    if (status != QLatin1String("1") && status != QLatin1String("2")) {
        connection.setRecordSource(sql, parameters);
        connection.refresh();
        status = records.eof() ? QStringLiteral("9") : QStringLiteral("1");
        return;
    }
    if (!records.eof())
        records.moveNext();
    status = records.eof() ? QStringLiteral("9") : QStringLiteral("2");
}

void leggiass(Registers& r)
{
    scanStep(r.Data3, r.g.esitoass, Queries::associationsByName, {});
}

void trovaass(Registers& r)
{
    const BusyPointer busy;
    r.Data3.setRecordSource(Queries::associationNamed, { r.g.denomass });
    r.g.esitoass = QStringLiteral("0");
    r.Data3.refresh();
    r.g.esitoass = r.Data3.recordset().eof() ? QStringLiteral("9") : QStringLiteral("1");
}

void leggiauto(Registers& r)
{
    scanStep(r.Data6, r.g.esitoauto, Queries::allVehiclesInOrder, {});
}

void leggiautoass(Registers& r)
{
    scanStep(r.Data6, r.g.esitoauto, Queries::vehiclesOfAssociationByDescription, { r.g.denomass });
}

void leggivolass(Registers& r)
{
    if (r.g.denomass == QLatin1String("*"))
        scanStep(r.Data4, r.g.esitovol, Queries::allVolunteers, {});
    else
        scanStep(r.Data4, r.g.esitovol, Queries::volunteersOfAssociation, { r.g.denomass });
}

void leggivolcod(Registers& r)
{
    scanStep(r.Data4, r.g.esitovol, Queries::volunteerWithCode, { r.g.codvolemer });
}

void leggivol(Registers& r)
{
    scanStep(r.Data4, r.g.esitovol, Queries::volunteersByAssociationAndName, {});
}

void leggistor(Registers& r)
{
    scanStep(r.Data5, r.g.esitostor, Queries::historyInOrder, {});
}

void leggistorcod(Registers& r)
{
    scanStep(
        r.Data5, r.g.esitostor, Queries::historyWithCode, { r.g.codasscerca, r.g.codvolcerca });
}

QStringList associationNamesContaining(Registers& r, const QString& wanted)
{
    QStringList names;
    scanAll(
        r.g.esitoass, [&] { leggiass(r); },
        [&] {
            const QString denom = r.Data3.recordset().field(QStringLiteral("DENOM"));
            if (denom.contains(wanted, Qt::CaseSensitive))
                names << denom;
        });
    return names;
}
