#include "programruns.h"

#include "app/app.h"
#include "shell/shell.h"
#include "store/scans.h"

#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace {

QVariant scalar(App& app, const QString& sql)
{
    QSqlQuery query(app.Data3.database().handle());
    if (!query.exec(sql) || (query.isSelect() && !query.next()))
        throw std::runtime_error(query.lastError().text().toStdString());
    return query.isSelect() ? query.value(0) : QVariant();
}

} // namespace

namespace ProgramRuns {

std::unique_ptr<App> newProgram()
{
    auto app = std::make_unique<App>();
    installSubsystems(*app);
    app->setTestMode(true);
    return app;
}

qint64 scanVolunteers(App& app)
{
    qint64 rows = 0;
    app.g.esitovol = QStringLiteral("0");
    for (;;) {
        leggivol(app);
        if (app.g.esitovol == QLatin1String("9"))
            break;
        ++rows;
    }
    return rows;
}

bool findAssociation(App& app, const QString& name)
{
    app.g.denomass = name;
    trovaass(app);
    return app.g.esitoass == QLatin1String("1");
}

void clearCounts(App& app)
{
    scalar(app, QStringLiteral("update ASSO set NUMVOL = 0"));
}

qint64 sumOfCounts(App& app)
{
    return scalar(app, QStringLiteral("select total(NUMVOL) from ASSO")).toLongLong();
}

QString firstError(App& app)
{
    for (const MessageBox::Shown& box : app.messages().shown())
        if (box.text.startsWith(QLatin1String("Errore")))
            return box.text;
    return QString();
}

} // namespace ProgramRuns
