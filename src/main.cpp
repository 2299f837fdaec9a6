#include "app/app.h"
#include "platform/translations.h"
#include "shell/shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrale"));
    installItalianTranslations(application);

    App app;
    installSubsystems(app);
    QObject::connect(&app, &App::ended, &application, &QApplication::quit, Qt::QueuedConnection);
    app.start();
    if (app.hasEnded())
        return 0;
    return application.exec();
}
