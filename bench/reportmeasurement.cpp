#include "reportmeasurement.h"

#include "app/app.h"
#include "app/mainwindow.h"
#include "bareconnection.h"
#include "baresql.h"
#include "checks.h"
#include "measurement.h"
#include "session.h"
#include "store/queries.h"
#include "timing.h"
#include "windowdriving.h"

#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <stdexcept>

namespace {

using Checks::check;
using Checks::checkNoError;
using Samples = QHash<Session*, QList<double>>;

const QString departureDate = QStringLiteral("30/12/2099");

using WindowDriving::control;
using WindowDriving::trigger;

void click(App& app, const QString& window, const QString& button)
{
    control<QPushButton>(app, window, button)->click();
}

qint64 bareCount(Session& session, const QString& sql, const QVariantList& values = {})
{
    BareConnection connection(session.folder(), QStringLiteral("emervol.mdb"));
    qint64 count = 0;
    {
        QSqlQuery query(connection.db());
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        requireSql(query.exec(), query);
        count = query.next() ? query.value(0).toLongLong() : -1;
    }
    return count;
}

void bareExec(BareConnection& connection, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(connection.db());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    requireSql(query.exec(), query);
}

// The number at the end of a list's last line, its total.
qint64 listTotal(const QListWidget* list)
{
    if (list->count() == 0)
        return -1;
    return list->item(list->count() - 1)->text().section(QLatin1Char(' '), -1).toLongLong();
}

qint64 presenceList(App& app)
{
    trigger(app, QStringLiteral("mnvolvpre"));
    control<QLineEdit>(app, QStringLiteral("Formpresenti"), QStringLiteral("datapres"))
        ->setText(QStringLiteral("31/12/2099"));
    control<QLineEdit>(app, QStringLiteral("Formpresenti"), QStringLiteral("orapres"))
        ->setText(QStringLiteral("12.00"));
    control<QLineEdit>(app, QStringLiteral("Formpresenti"), QStringLiteral("campopres"))->clear();
    click(app, QStringLiteral("Formpresenti"), QStringLiteral("cmdelabora"));
    const qint64 total = listTotal(
        control<QListWidget>(app, QStringLiteral("formvollist"), QStringLiteral("List1")));
    click(app, QStringLiteral("formvollist"), QStringLiteral("cmdesci"));
    return total;
}

qint64 specialistSearch(App& app)
{
    trigger(app, QStringLiteral("mnspevspe"));
    control<QComboBox>(app, QStringLiteral("formspeclist"), QStringLiteral("cmbspec"))
        ->setEditText(QStringLiteral("CUOCO"));
    click(app, QStringLiteral("formspeclist"), QStringLiteral("cmdcerca"));
    const qint64 total = listTotal(
        control<QListWidget>(app, QStringLiteral("formspeclist"), QStringLiteral("List1")));
    click(app, QStringLiteral("formspeclist"), QStringLiteral("cmdesci"));
    return total;
}

} // namespace

namespace ReportMeasurement {

void measurePresenceAndSearch(const QList<Session*>& sessions, const RunPlan& plan)
{
    QHash<Session*, qint64> present;
    QHash<Session*, qint64> cooks;
    for (Session* session : sessions) {
        session->enter();
        present.insert(session,
            bareCount(*session,
                QStringLiteral("select count(*) from EMERVOL where ifnull(DATAPA, '') = ''")));
        cooks.insert(session,
            bareCount(*session,
                QStringLiteral("select count(*) from EMERVOL where instr(SPEC, 'CUOCO') > 0")));
    }
    Samples presence;
    Samples search;
    Samples floor;
    for (int run = -1; run < plan.listRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            qint64 listed = 0;
            const double presenceMs = Timing::milliseconds([&] { listed = presenceList(app); });
            checkNoError(app, *session, QStringLiteral("presence list"));
            check(listed == present.value(session), *session,
                QStringLiteral("presence list: %1 listed, %2 present")
                    .arg(listed)
                    .arg(present.value(session)));
            qint64 found = 0;
            const double searchMs = Timing::milliseconds([&] { found = specialistSearch(app); });
            checkNoError(app, *session, QStringLiteral("specialist search"));
            check(found == cooks.value(session), *session,
                QStringLiteral("specialist search: %1 found, %2 expected")
                    .arg(found)
                    .arg(cooks.value(session)));
            qint64 rows = 0;
            const double bareMs
                = Timing::milliseconds([&] { rows = session->bare().scanVolunteers(); });
            check(rows > 0, *session, QStringLiteral("bare scan: no rows"));
            if (run >= 0) {
                presence[session] << presenceMs;
                search[session] << searchMs;
                floor[session] << bareMs;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.presence = Timing::median(presence.value(session));
        session->figures.search = Timing::median(search.value(session));
        session->figures.presenceBare = Timing::median(floor.value(session));
    }
}

void measureDeparture(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples floor;
    const QString takeBack
        = QStringLiteral("update EMERVOL set DATAPA = '', ORAPA = '' where DATAPA = ?");
    for (int run = -1; run < plan.departureRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            const qint64 staying = bareCount(*session,
                QStringLiteral("select count(*) from EMERVOL where ifnull(DATAPA, '') = ''"));
            trigger(app, QStringLiteral("mnpartenza"));
            auto* association
                = control<QComboBox>(app, QStringLiteral("formpartenza"), QStringLiteral("cmbass"));
            association->setCurrentIndex(0);
            control<QLineEdit>(app, QStringLiteral("formpartenza"), QStringLiteral("datapres"))
                ->setText(departureDate);
            control<QLineEdit>(app, QStringLiteral("formpartenza"), QStringLiteral("orapres"))
                ->setText(QStringLiteral("23.00"));
            const qsizetype boxes = app.messages().shown().size();
            const double ms = Timing::milliseconds(
                [&] { click(app, QStringLiteral("formpartenza"), QStringLiteral("cmdelabora")); });
            checkNoError(app, *session, QStringLiteral("departure"));
            check(app.messages().shown().size() == boxes + 1
                    && app.messages().shown().last().text
                        == QLatin1String("Elaborazione terminata correttamente."),
                *session, QStringLiteral("departure: no closing message"));
            check(
                bareCount(*session, QStringLiteral("select count(*) from EMERVOL where DATAPA = ?"),
                    { departureDate })
                    == staying,
                *session, QStringLiteral("departure: not every stay was closed"));
            click(app, QStringLiteral("formpartenza"), QStringLiteral("cmdesci"));
            BareConnection connection(session->folder(), QStringLiteral("emervol.mdb"));
            bareExec(connection, takeBack, { departureDate });
            const double bareMs = Timing::milliseconds([&] {
                requireSql(connection.db().transaction(), QSqlQuery(connection.db()));
                bareExec(connection,
                    QStringLiteral("update EMERVOL set DATAPA = ? where ifnull(DATAPA, '') = ''"),
                    { departureDate });
                bareExec(connection,
                    QStringLiteral("update EMERVOL set ORAPA = ? where ifnull(ORAPA, '') = ''"),
                    { QStringLiteral("23.00") });
                requireSql(connection.db().commit(), QSqlQuery(connection.db()));
            });
            bareExec(connection, takeBack, { departureDate });
            if (run >= 0) {
                ours[session] << ms;
                floor[session] << bareMs;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.departure = Timing::median(ours.value(session));
        session->figures.departureBare = Timing::median(floor.value(session));
    }
}

void measureHeadcount(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples floor;
    for (int run = -1; run < plan.headcountRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            // One volunteer's arrival time changed through the program's
            // own connection, as a form would.
            app.Data4.setRecordSource(Queries::volunteerWithCode, { QStringLiteral("000001") });
            app.Data4.refresh();
            check(
                !app.Data4.recordset().eof(), *session, QStringLiteral("headcount: no volunteer"));
            app.Data4.recordset().edit();
            app.Data4.recordset().setField(QStringLiteral("ORAAR"),
                run % 2 ? QStringLiteral("10:00") : QStringLiteral("11:00"));
            app.Data4.recordset().update();
            const double ms = Timing::milliseconds([&] { app.mainWindow()->refreshTitleLine(); });
            const QString line
                = control<QLabel>(app, QStringLiteral("ostrale"), QStringLiteral("lblpresenti"))
                      ->text();
            check(line.startsWith(QLatin1String("Presenti ora: ")), *session,
                QStringLiteral("headcount: the line reads \"%1\"").arg(line));
            const double bareMs = Timing::milliseconds([&] { session->bare().scanVolunteers(); });
            if (run >= 0) {
                ours[session] << ms;
                floor[session] << bareMs;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.headcount = Timing::median(ours.value(session));
        session->figures.headcountBare = Timing::median(floor.value(session));
    }
}

} // namespace ReportMeasurement
