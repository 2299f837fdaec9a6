#include "startup.h"

#include "accessconversion.h"
#include "app.h"
#include "platform/busypointer.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/queries.h"

#include <QDir>
#include <QSqlQuery>

const char* const privacyMessage
    = "Archivio Storico vuoto per motivi di privacy, pertanto non sarà possibile la registrazione "
      "da storico.Chiedere informazioni al coordinatore nazionale.";

namespace {

// Whether the history archive holds at least one record. Only the first row
// is fetched, so a large archive costs no more than an empty one.
bool historyHoldsRecords(Database& history)
{
    QSqlQuery query(history.handle());
    query.setForwardOnly(true);
    if (!query.exec(Queries::anyHistoryRecord))
        throw history.translate(query.lastError());
    return query.next();
}

} // namespace

void runStartup(App& app)
{
    Globals& g = app.g;
    g.storpieno = QStringLiteral("N");
    try {
        // Registers left by an older program that saved them with Access are
        // converted before anything opens them.
        QList<AccessConversion::Converted> converted;
        {
            const BusyPointer busy;
            converted = AccessConversion::convertFolder(QDir::currentPath());
        }
        if (!converted.isEmpty())
            app.say(AccessConversion::message(converted));
        app.dbstor.open();
        if (historyHoldsRecords(app.dbstor))
            g.storpieno = QStringLiteral("S");
        if (g.storpieno == QLatin1String("N"))
            app.say(QString::fromUtf8(privacyMessage));

        g.cartellaapp = QDir::currentPath();
        const QString folder = g.cartellaapp + QLatin1Char('/');
        g.fileemergenza = folder + QStringLiteral("emergenza.dat");
        g.filespec = folder + QStringLiteral("specializzazioni.dat");
        g.filemotivi = folder + QStringLiteral("motivazioni_carraia.txt");
        g.filepassvol = folder + QStringLiteral("passvol.wrk");
        g.filesetpass = folder + QStringLiteral("setpass.prm");
        g.fileprotciv = folder + QStringLiteral("protciv02.txt");
        g.fileprossass = QStringLiteral("prossimo_codice_associazione.txt");
        g.fileprossvol = QStringLiteral("prossimo_codice_volontario.txt");
        g.cartellabackup = g.cartellaapp;
        g.primoavvio = QStringLiteral("0");

        TextFile::truncate(g.filepassvol);
        g.nomeemergenza = TextFile::readFirstLine(g.fileemergenza);
        for (const App::Action& step : app.startupSteps())
            step(app);
    } catch (const OstraleError& error) {
        app.say(errorText(error));
    }
}
