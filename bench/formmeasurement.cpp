#include "formmeasurement.h"

#include "app/app.h"
#include "badgepicks.h"
#include "barebadgeread.h"
#include "baresql.h"
#include "checks.h"
#include "formruns.h"
#include "measurement.h"
#include "registerprobe.h"
#include "session.h"
#include "timing.h"

#include <QHash>
#include <QLineEdit>
#include <map>
#include <memory>

namespace {

using Checks::check;
using Checks::checkNoError;
using Samples = QHash<Session*, QList<double>>;

// The grouped list: a title and a blank line; each association's name, its
// volunteers and its total, with a blank line between associations; a blank
// line and the grand total at the end.
qint64 groupedListLines(qint64 volunteers, qint64 associations)
{
    return volunteers == 0 ? 5 : volunteers + 3 * associations + 3;
}

QString lastBox(App& app)
{
    const QList<MessageBox::Shown>& shown = app.messages().shown();
    return shown.isEmpty() ? QString() : shown.last().text;
}

// Each session's badges: those the program reads and, apart from them, those
// read bare, so that neither side ever finds the other's volunteer.
struct BadgeSide
{
    std::unique_ptr<BareBadgeRead> bare;
    QList<Badge> ours;
    QList<Badge> floor;
};

void readOurs(Session& session, const QList<Badge>& badges, QList<double>* samples)
{
    App& app = session.program();
    QLineEdit* box = FormRuns::openBadgeEntry(app);
    checkNoError(app, session, QStringLiteral("badge entry"));
    check(box->text().isEmpty() && box->isVisible(), session,
        QStringLiteral("badge entry: the badge box is not ready"));
    RegisterProbe& probe = session.probe();
    for (const Badge& badge : badges) {
        const qsizetype boxes = app.messages().shown().size();
        const double ms = Timing::milliseconds([&] { FormRuns::readBadge(box, badge.code); });
        check(app.messages().shown().size() == boxes, session,
            QStringLiteral("badge read %1: the program said \"%2\"").arg(badge.code, lastBox(app)));
        check(box->text().isEmpty(), session,
            QStringLiteral("badge read %1: the box was not emptied for the next badge")
                .arg(badge.code));
        check(probe.isRegistered(badge), session,
            QStringLiteral("badge read %1: the volunteer was not registered").arg(badge.code));
        if (samples)
            *samples << ms;
    }
    FormRuns::closeVolunteerForm(app);
}

} // namespace

namespace FormMeasurement {

void measureVolunteerList(const QList<Session*>& sessions, const RunPlan& plan)
{
    QHash<Session*, qint64> volunteers;
    QHash<Session*, qint64> expectedLines;
    for (Session* session : sessions) {
        RegisterProbe& probe = session->probe();
        volunteers.insert(session, probe.volunteers());
        expectedLines.insert(
            session, groupedListLines(volunteers.value(session), probe.volunteerAssociations()));
    }

    Samples ours;
    Samples floor;
    for (int run = -1; run < plan.listRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            int lines = 0;
            const double ms
                = Timing::milliseconds([&] { lines = FormRuns::showVolunteerList(app); });
            checkNoError(app, *session, QStringLiteral("volunteer list"));
            check(lines == expectedLines.value(session), *session,
                QStringLiteral("volunteer list: %1 lines, %2 expected")
                    .arg(lines)
                    .arg(expectedLines.value(session)));
            FormRuns::closeVolunteerList(app);
            qint64 bareRows = 0;
            const double bareMs
                = Timing::milliseconds([&] { bareRows = session->bare().scanVolunteers(); });
            check(bareRows == volunteers.value(session), *session,
                QStringLiteral("bare list: wrong number of rows"));
            if (run >= 0) {
                ours[session] << ms;
                floor[session] << bareMs;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.list = Timing::median(ours.value(session));
        session->figures.listBare = Timing::median(floor.value(session));
    }
}

void measureBadgeReads(const QList<Session*>& sessions, const RunPlan& plan)
{
    const int perSide = (plan.badgeRounds + 1) * plan.badgeReadsPerRound;
    std::map<Session*, BadgeSide> sides;
    for (Session* session : sessions) {
        BadgeSide& side = sides[session];
        side.bare = std::make_unique<BareBadgeRead>(session->folder());
        const QList<Badge> picks = BadgePicks::choose(session->probe(), 2 * perSide, 5005);
        side.ours = picks.mid(0, perSide);
        side.floor = picks.mid(perSide);
    }

    Samples ours;
    Samples floor;
    for (int round = -1; round < plan.badgeRounds; ++round) {
        const int first = (round + 1) * plan.badgeReadsPerRound;
        for (Session* session : sessions) {
            BadgeSide& side = sides[session];
            readOurs(*session, side.ours.mid(first, plan.badgeReadsPerRound),
                round >= 0 ? &ours[session] : nullptr);
            for (const Badge& badge : side.floor.mid(first, plan.badgeReadsPerRound)) {
                bool registered = false;
                const double ms
                    = Timing::milliseconds([&] { registered = side.bare->read(badge.code); });
                check(registered && session->probe().isRegistered(badge), *session,
                    QStringLiteral("bare badge read %1: the volunteer was not registered")
                        .arg(badge.code));
                if (round >= 0)
                    floor[session] << ms;
            }
        }
    }
    for (Session* session : sessions) {
        session->figures.badgeRead = Timing::median(ours.value(session));
        session->figures.badgeReadBare = Timing::median(floor.value(session));
    }
}

} // namespace FormMeasurement
