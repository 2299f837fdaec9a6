// ostrale [FOLDER]: the desk, on its program folder. Without a folder on the
// command line (as the desktop menu starts it) the folder is "Ostrale" in
// the user's home; a new folder is laid down with its initial files.
#include "app/app.h"
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

    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.size() > 1 ? QDir(arguments.at(1)).absolutePath()
                                                : QDir::home().filePath(QStringLiteral("Ostrale"));
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        MessageBox().show(QStringLiteral("Impossibile aprire la cartella del programma %1.").arg(folder));
        return 1;
    }

    App app;
    installSubsystems(app);
    QObject::connect(&app, &App::ended, &application, &QApplication::quit, Qt::QueuedConnection);
    app.start();
    if (app.hasEnded())
        return 0;
    return application.exec();
}
