#include "volunteercount.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "store/scans.h"

void aggiornanumerovolontari(App& app)
{
    Globals& g = app.g;
    {
        const BusyPointer busy;
        Transaction recount(app.Data3);
        scanAll(
            g.esitoass, [&] { leggiass(app); },
            [&] {
                g.contarighe = QStringLiteral("0");
                g.denomass = app.Data3.recordset().field(QStringLiteral("DENOM"));
                scanAll(
                    g.esitovol, [&] { leggivolass(app); },
                    [&] { g.contarighe = QString::number(g.contarighe.toLongLong() + 1); });
                Recordset& association = app.Data3.recordset();
                association.edit();
                association.setField(QStringLiteral("NUMVOL"), g.contarighe);
                association.update();
            });
        recount.commit();
        app.Data3.refresh();
    }
    app.say(QStringLiteral("Archivio associazioni aggiornato."));
}
