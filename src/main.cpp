// ostrale [--server CONNINFO] [FOLDER]: the desk, on its program folder.
// Without a folder on the command line (as the desktop menu starts it) the
// folder is "Ostrale" in the user's home; a new folder is laid down with its
// initial files. The registers are the folder's files unless a server is
// named (see StoreChoice).
#include "app/app.h"
#include "app/storechoice.h"
#include "platform/messagebox.h"
#include "platform/translations.h"
#include "shell/shell.h"

#include <QApplication>
#include <QDir>

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
        // The desk cannot yet work on a server's registers: it says so and
        // ends before anything is written, rather than fall back on the files.
        MessageBox().show(QStringLiteral(
            "Questa versione del programma non lavora ancora con i registri su un server. "
            "Per lavorare con i file della cartella del programma, avviare il programma senza "
            "--server e togliere il file %1 dalla cartella %2.")
                              .arg(QLatin1String(StoreChoice::SettingFile), folder));
        return 1;
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
