#include "badgequeue.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "store/queries.h"

#include <QStringList>

void svuotapass(App& app)
{
    const BusyPointer busy;
    app.Data7.setRecordSource(Queries::badgeQueue);
    app.Data7.refresh();
    Recordset& queue = app.Data7.recordset();
    if (queue.eof())
        return;
    queue.moveFirst();
    for (;;) {
        queue.deleteRecord();
        queue.moveNext();
        if (queue.eof())
            break;
    }
}

void queueCurrentVolunteer(App& app)
{
    static const QStringList fields { QStringLiteral("CODVOL"), QStringLiteral("DENOM"),
        QStringLiteral("COGNOME"), QStringLiteral("NOME"), QStringLiteral("CAMPO"),
        QStringLiteral("TENDA"), QStringLiteral("DATAAR"), QStringLiteral("ORAAR"),
        QStringLiteral("DATAPA"), QStringLiteral("ORAPA"), QStringLiteral("SPEC") };
    const Recordset& volunteer = app.Data4.recordset();
    Recordset& queue = app.Data7.recordset();
    queue.addNew();
    for (const QString& field : fields)
        queue.setField(field, volunteer.value(field));
    queue.update();
    app.Data7.refresh();
}
