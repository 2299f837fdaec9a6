// "Ripristina archivi salvati": a saved file comes back over a live register
// only once it is known to be that register and has been copied whole beside
// it; until then the live file is not touched.
#include "operations.h"

#include "app/app.h"
#include "app/mainwindow.h"
#include "dialogfilter.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "registercopy.h"
#include "registerstore.h"
#include "savedregisters.h"
#include "store/schema.h"

#include <QDir>
#include <QStatusBar>

namespace {

// The rows of a long Access copy, counted in the status bar; it is cleared
// when the copy ends.
class CopyProgress
{
public:
    CopyProgress(App& app, const QString& what)
        : m_main(app.mainWindow())
        , m_what(what)
    {
    }
    ~CopyProgress()
    {
        if (m_main)
            m_main->statusBar()->clearMessage();
    }
    CopyProgress(const CopyProgress&) = delete;
    CopyProgress& operator=(const CopyProgress&) = delete;

    void operator()(qint64 done, qint64 total) const
    {
        if (!m_main)
            return;
        m_main->statusBar()->showMessage(
            QStringLiteral("%1: %2 di %3").arg(m_what).arg(done).arg(total));
        m_main->statusBar()->repaint();
    }

private:
    MainWindow* m_main;
    QString m_what;
};

// False when the whole restore ends (a Cancel or the live file chosen).
bool restoreRegister(App& app, const SavedRegister& saved, bool first)
{
    if (app.say(saved.restoreQuestion, MessageBox::YesNo) != MessageBox::AnswerYes)
        return true;
    // The associations' dialog starts in the program folder, the others where
    // the previous dialog left off.
    const QString start
        = first ? app.g.cartellaapp + QLatin1Char('/') + saved.offeredName : saved.offeredName;
    const QString chosen = app.fileDialog().getOpenFileName(
        saved.restoreTitle, start, DialogFilter::toPlatform(DialogFilter::restore));
    if (chosen.isEmpty())
        return false;
    const BusyPointer busy;
    const QString live = SavedRegisters::livePath(app, saved);
    if (RegisterCopy::sameFile(chosen, live)) {
        app.say(SavedRegisters::sameFileMessage());
        return false;
    }
    app.g.percorso1 = live;
    app.g.percorso2 = chosen;
    saved.connection(app).closeDatabase();
    try {
        const CopyProgress progress(app, saved.restoreTitle);
        RegisterStore::current().restore(chosen, live, *Schema::find(saved.liveFile),
            [&progress](qint64 done, qint64 total) { progress(done, total); });
    } catch (const OstraleError&) {
        // The live file is as it was; the failure is reported as every
        // other one is, and ends the restore.
        QDir::setCurrent(app.g.cartellaapp);
        throw;
    }
    SavedRegisters::reopen(app, saved);
    Maintenance::forgetReadData(app);
    app.say(saved.restoredMessage);
    return true;
}

} // namespace

namespace Maintenance {

void ripristinaarchivi(App& app)
{
    bool first = true;
    for (const SavedRegister& saved : SavedRegisters::all()) {
        if (!restoreRegister(app, saved, first))
            break;
        first = false;
    }
    QDir::setCurrent(app.g.cartellaapp);
}

} // namespace Maintenance
