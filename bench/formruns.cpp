#include "formruns.h"
#include "windowdriving.h"

#include "app/app.h"
#include "app/mainwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

namespace {

using WindowDriving::control;
using WindowDriving::trigger;

void clickEsci(App& app, const QString& window)
{
    control<QPushButton>(app, window, QStringLiteral("cmdesci"))->click();
}

} // namespace

namespace FormRuns {

QLineEdit* openBadgeEntry(App& app)
{
    trigger(app, QStringLiteral("mnvolainsb"));
    return control<QLineEdit>(app, QStringLiteral("formvol"), QStringLiteral("codbar"));
}

void readBadge(QLineEdit* badgeBox, const QString& code)
{
    for (const QChar c : code)
        badgeBox->insert(QString(c));
}

void closeVolunteerForm(App& app)
{
    clickEsci(app, QStringLiteral("formvol"));
}

int showVolunteerList(App& app)
{
    trigger(app, QStringLiteral("mnvolvel"));
    return control<QListWidget>(app, QStringLiteral("formvollist"), QStringLiteral("List1"))
        ->count();
}

void closeVolunteerList(App& app)
{
    clickEsci(app, QStringLiteral("formvollist"));
}

} // namespace FormRuns
