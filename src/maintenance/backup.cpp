// "Salva": each of the four registers is copied to a file the operator
// chooses, a register file of the desk's own kind whichever store holds it. Each step stands alone:
// a Cancel or a failure ends only its own.
#include "operations.h"

#include "app/app.h"
#include "dialogfilter.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "registercopy.h"
#include "registerstore.h"
#include "savedregisters.h"
#include "store/schema.h"

#include <QDir>

namespace {

void saveRegister(App& app, const SavedRegister& saved)
{
    const QString chosen = app.fileDialog().getSaveFileName(
        saved.backupTitle, saved.offeredName, DialogFilter::toPlatform(DialogFilter::backup));
    if (chosen.isEmpty())
        return;
    const BusyPointer busy;
    const QString live = SavedRegisters::livePath(app, saved);
    if (RegisterCopy::sameFile(chosen, live)) {
        app.say(SavedRegisters::sameFileMessage());
        return;
    }
    app.g.percorso1 = live;
    app.g.percorso2 = chosen;
    saved.connection(app).closeDatabase();
    try {
        RegisterStore::current().save(*Schema::find(saved.liveFile), live, chosen);
    } catch (const OstraleError& failure) {
        // The live file was only read: its connection opens again at its
        // next use whatever happened here.
        QDir::setCurrent(app.g.cartellaapp);
        app.say(errorText(failure));
        return;
    }
    SavedRegisters::reopen(app, saved);
    app.say(saved.savedMessage);
}

} // namespace

namespace Maintenance {

void salvaarchivi(App& app)
{
    for (const SavedRegister& saved : SavedRegisters::all())
        saveRegister(app, saved);
    QDir::setCurrent(app.g.cartellaapp);
}

} // namespace Maintenance
