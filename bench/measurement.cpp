#include "measurement.h"
#include "reportmeasurement.h"

#include "app/app.h"
#include "associations/volunteercount.h"
#include "baresql.h"
#include "checks.h"
#include "formmeasurement.h"
#include "maintenancemeasurement.h"
#include "programruns.h"
#include "session.h"
#include "timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QRandomGenerator>

namespace {

using Checks::check;
using Checks::checkNoError;
using Samples = QHash<Session*, QList<double>>;

void measureStartup(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples floor;
    // The first start in the process also loads fonts and styles: not ours
    // to count, and the warm-up run takes it.
    for (int run = -1; run < plan.startRuns; ++run) {
        for (Session* session : sessions) {
            session->enter();
            auto app = ProgramRuns::newProgram();
            const double ms = Timing::milliseconds([&] { app->start(); });
            checkNoError(*app, *session, QStringLiteral("start-up"));
            check(app->g.storpieno == QLatin1String("S"), *session,
                QStringLiteral("start-up saw no history"));
            app.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            bool found = true;
            const double bareMs = Timing::milliseconds([&] {
                for (int i = 0; i < plan.firstRowRepeats; ++i)
                    found = session->bare().firstHistoryRow() && found;
            });
            check(found, *session, QStringLiteral("bare: the history archive is empty"));
            if (run >= 0) {
                ours[session] << ms;
                floor[session] << bareMs / plan.firstRowRepeats;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.startup = Timing::median(ours.value(session));
        session->figures.startupBare = Timing::median(floor.value(session));
    }
}

void measureCount(const QList<Session*>& sessions, const RunPlan& plan)
{
    // In each folder the program's runs come first, then the bare ones:
    // writes from another connection would only add noise between the
    // program's own.
    Samples ours;
    for (int run = -1; run < plan.countRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            ProgramRuns::clearCounts(app);
            const double ms = Timing::milliseconds([&] { aggiornanumerovolontari(app); });
            checkNoError(app, *session, QStringLiteral("automatic count"));
            check(ProgramRuns::sumOfCounts(app) == session->sizes().volunteers, *session,
                QStringLiteral("automatic count: NUMVOL does not add up to the volunteers"));
            if (run >= 0)
                ours[session] << ms;
        }
    }
    Samples floor;
    for (int run = -1; run < plan.countRuns; ++run) {
        for (Session* session : sessions) {
            BareSql& bare = session->bare();
            bare.clearCounts();
            qint64 counted = 0;
            const double ms = Timing::milliseconds([&] { counted = bare.countVolunteers(); });
            const qint64 volunteers = session->sizes().volunteers;
            check(counted == volunteers && bare.sumOfCounts() == volunteers, *session,
                QStringLiteral("bare count: NUMVOL does not add up to the volunteers"));
            if (run >= 0)
                floor[session] << ms;
        }
    }
    for (Session* session : sessions) {
        session->figures.count = Timing::median(ours.value(session));
        session->figures.countBare = Timing::median(floor.value(session));
    }
}

void measureScan(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples floor;
    for (int run = -1; run < plan.scanRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            const qint64 volunteers = session->sizes().volunteers;
            qint64 rows = 0;
            const double ms
                = Timing::milliseconds([&] { rows = ProgramRuns::scanVolunteers(app); });
            check(rows == volunteers, *session, QStringLiteral("leggivol: wrong number of rows"));
            checkNoError(app, *session, QStringLiteral("leggivol"));
            qint64 bareRows = 0;
            const double bareMs
                = Timing::milliseconds([&] { bareRows = session->bare().scanVolunteers(); });
            check(bareRows == volunteers, *session,
                QStringLiteral("bare scan: wrong number of rows"));
            if (run >= 0) {
                ours[session] << ms;
                floor[session] << bareMs;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.scan = Timing::median(ours.value(session));
        session->figures.scanBare = Timing::median(floor.value(session));
    }
}

// The same random existing names, in the same order, for both sides.
QStringList lookupNames(Session& session, int lookups)
{
    const QStringList names = session.bare().associationNames();
    check(!names.isEmpty(), session, QStringLiteral("no associations to look up"));
    QRandomGenerator random(4004);
    QStringList picks;
    for (int i = 0; i < lookups; ++i)
        picks << names.at(int(random.bounded(int(names.size()))));
    return picks;
}

void measureLookup(const QList<Session*>& sessions, const RunPlan& plan)
{
    QHash<Session*, QStringList> picks;
    for (Session* session : sessions)
        picks.insert(session, lookupNames(*session, plan.lookupsPerRun));

    Samples ours;
    Samples floor;
    for (int run = -1; run < plan.lookupRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            const QStringList& names = picks[session];
            int found = 0;
            const double ms = Timing::milliseconds([&] {
                for (const QString& name : names)
                    found += ProgramRuns::findAssociation(app, name);
            });
            check(found == names.size(), *session,
                QStringLiteral("trovaass missed an existing association"));
            checkNoError(app, *session, QStringLiteral("trovaass"));
            int bareFound = 0;
            const double bareMs = Timing::milliseconds([&] {
                for (const QString& name : names)
                    bareFound += session->bare().findAssociation(name);
            });
            check(bareFound == names.size(), *session,
                QStringLiteral("bare lookup missed an existing association"));
            if (run >= 0) {
                ours[session] << ms / names.size();
                floor[session] << bareMs / names.size();
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.lookup = Timing::median(ours.value(session));
        session->figures.lookupBare = Timing::median(floor.value(session));
    }
}

} // namespace

namespace Measurement {

void measure(const QList<Session*>& sessions, const RunPlan& plan, const QString& only)
{
    const auto wanted
        = [&](const char* group) { return only.isEmpty() || only == QLatin1String(group); };
    if (wanted("desk")) {
        measureStartup(sessions, plan);
        measureCount(sessions, plan);
        measureScan(sessions, plan);
        measureLookup(sessions, plan);
        FormMeasurement::measureVolunteerList(sessions, plan);
    }
    if (wanted("reports")) {
        ReportMeasurement::measurePresenceAndSearch(sessions, plan);
        ReportMeasurement::measureDeparture(sessions, plan);
        ReportMeasurement::measureHeadcount(sessions, plan);
    }
    // Last: every read registers one more volunteer.
    if (wanted("desk"))
        FormMeasurement::measureBadgeReads(sessions, plan);
    if (wanted("maintenance")) {
        MaintenanceMeasurement::measureBackup(sessions, plan);
        MaintenanceMeasurement::measureCompaction(sessions, plan);
    }
}

} // namespace Measurement
