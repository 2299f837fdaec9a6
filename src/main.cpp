// ostrale [--server CONNINFO] [FOLDER]: the desk, on its program folder.
// Without a folder on the command line (as the desktop menu starts it) the
// folder is "Ostrale" in the user's home; a new folder is laid down with its
// initial files. The registers are the folder's files unless a server is
// named (see StoreChoice).
#include "app/app.h"
#include "app/initialfolder.h"
#include "app/storechoice.h"
#include "platform/conninfo.h"
#include "platform/engine.h"
#include "platform/error.h"
#include "platform/messagebox.h"
#include "platform/serverengine.h"
#include "platform/translations.h"
#include "shell/shell.h"

#include <QApplication>
#include <QDir>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrale"));
    installItalianTranslations(application);

    StoreChoice choice = StoreChoice::fromArguments(
        QApplication::arguments(), QDir::home().filePath(QStringLiteral("Ostrale")));
    if (!choice.refusal().isEmpty()) {
        MessageBox().show(choice.refusal());
        return 1;
    }
    const QString folder = choice.folder();
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        MessageBox().show(
            QStringLiteral("Impossibile aprire la cartella del programma %1.").arg(folder));
        return 1;
    }
    choice.readSetting();
    if (!choice.refusal().isEmpty()) {
        MessageBox().show(choice.refusal());
        return 1;
    }
    if (choice.onServer()) {
        // The registers are the server's tables. The server must be reached,
        // and its tables be there (the first desk on a database makes them),
        // before anything of the folder is written: a server that cannot be
        // reached ends the desk with one message, and nothing falls back on
        // the files.
        Engine::chooseForRegisters(
            std::make_unique<ServerEngine>(*ConnInfo::parse(choice.conninfo(), nullptr)));
        try {
            InitialFolder::layDownRegisters();
        } catch (const OstraleError& error) {
            MessageBox().show(errorText(error));
            return 1;
        }
    }
    choice.keepSetting();

    App app;
    installSubsystems(app);
    QObject::connect(&app, &App::ended, &application, &QApplication::quit, Qt::QueuedConnection);
    app.start();
    if (app.hasEnded())
        return 0;
    return application.exec();
}
