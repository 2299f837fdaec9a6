// "Azzeramento archivi": after a first question, each register and each code
// counter is reset only on its own Yes. The history archive, the gate
// passages and the badge queue are never touched here.
#include "operations.h"

#include "app/app.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "store/counters.h"
#include "store/maintenancequeries.h"

#include <QSqlQuery>

namespace {

bool confirmed(App& app, const QString& question)
{
    return app.say(question, MessageBox::YesNo) == MessageBox::AnswerYes;
}

// Empties the register in one transaction: all of it goes, or none.
void emptyRegister(App& app, DataControl& connection, const QString& deletion,
    const QString& recordSource, const QString& done)
{
    {
        const BusyPointer busy;
        Transaction transaction(connection);
        QSqlQuery query(connection.database().handle());
        if (!query.exec(deletion))
            throw connection.database().translate(query.lastError());
        transaction.commit();
        connection.setRecordSource(recordSource);
        connection.refresh();
        Maintenance::forgetReadData(app);
    }
    app.say(done);
}

} // namespace

namespace Maintenance {

void azzeraarchivi(App& app)
{
    if (!confirmed(app, QStringLiteral("L'azzeramento svuoterà gli archivi attuali. Continuo?")))
        return;
    if (confirmed(app, QStringLiteral("Azzero l'archivio associazioni?")))
        emptyRegister(app, app.Data3, MaintenanceQueries::emptyAssociations,
            MaintenanceQueries::allAssociations, QStringLiteral("Archivio associazioni azzerato."));
    if (confirmed(app, QStringLiteral("Azzero l'archivio volontari?")))
        emptyRegister(app, app.Data4, MaintenanceQueries::emptyVolunteers,
            MaintenanceQueries::allVolunteers, QStringLiteral("Archivio volontari azzerato."));
    if (confirmed(app, QStringLiteral("Azzero l'archivio automezzi?")))
        emptyRegister(app, app.Data6, MaintenanceQueries::emptyVehicles,
            MaintenanceQueries::allVehicles, QStringLiteral("Archivio automezzi azzerato."));
    if (confirmed(app, QStringLiteral("Azzero il numero progressivo associazioni?")))
        Counters::reset(app.Data3.database(), app.g.fileprossass, QStringLiteral("000"));
    if (confirmed(app, QStringLiteral("Azzero il numero progressivo volontari?")))
        Counters::reset(app.Data4.database(), app.g.fileprossvol, QStringLiteral("0000"));
}

} // namespace Maintenance
