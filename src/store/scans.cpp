#include "scans.h"

#include "app/app.h"
#include "platform/busypointer.h"

#include <QVariantList>

void scanStep(DataControl& connection, QString& status, const QString& sql,
    const QVariantList& parameters)
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

void leggiass(App& app)
{
    scanStep(app.Data3, app.g.esitoass, QStringLiteral("select * from ASSO order by DENOM"), {});
}

void trovaass(App& app)
{
    const BusyPointer busy;
    app.Data3.setRecordSource(QStringLiteral("select * from ASSO where DENOM = ?"), { app.g.denomass });
    app.g.esitoass = QStringLiteral("0");
    app.Data3.refresh();
    app.g.esitoass = app.Data3.recordset().eof() ? QStringLiteral("9") : QStringLiteral("1");
}

void leggiautoass(App& app)
{
    scanStep(app.Data6, app.g.esitoauto,
        QStringLiteral("select * from AUTO where DENOM = ? ORDER BY DESCR"), { app.g.denomass });
}

void leggivolass(App& app)
{
    if (app.g.denomass == QLatin1String("*"))
        scanStep(app.Data4, app.g.esitovol, QStringLiteral("select * from EMERVOL"), {});
    else
        scanStep(app.Data4, app.g.esitovol, QStringLiteral("select * from EMERVOL where DENOM = ?"),
            { app.g.denomass });
}

void leggivolcod(App& app)
{
    scanStep(app.Data4, app.g.esitovol, QStringLiteral("select * from EMERVOL where CODVOL = ?"),
        { app.g.codvolemer });
}

void leggivol(App& app)
{
    scanStep(app.Data4, app.g.esitovol,
        QStringLiteral("select * from EMERVOL order by DENOM, COGNOME, NOME"), {});
}

void leggistor(App& app)
{
    scanStep(app.Data5, app.g.esitostor,
        QStringLiteral("select * from STOR ORDER BY DENOM, COGN, NOME"), {});
}

void leggistorcod(App& app)
{
    scanStep(app.Data5, app.g.esitostor,
        QStringLiteral("select * from STOR where CODASS = ? And CODVOL = ?"),
        { app.g.codasscerca, app.g.codvolcerca });
}
