#include "app/app.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrale"));
    installItalianTranslations(application);

    App app;
    QObject::connect(&app, &App::ended, &application, &QApplication::quit, Qt::QueuedConnection);
    app.start();
    if (app.hasEnded())
        return 0;
    return application.exec();
}
