#include "maintenancemeasurement.h"

#include "app/app.h"
#include "barecopy.h"
#include "checks.h"
#include "maintenance/operations.h"
#include "measurement.h"
#include "session.h"
#include "timing.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

using Checks::check;
using Checks::checkNoError;
using Samples = QHash<Session*, QList<double>>;

// The saved registers with the names "Salva" offers, and every register file.
const QStringList savedFiles { QStringLiteral("asso.mdb"), QStringLiteral("emervol.mdb"),
    QStringLiteral("auto.mdb"), QStringLiteral("car.mdb") };
const QStringList offeredNames { QStringLiteral("assosalvo.mdb"),
    QStringLiteral("emervolsalvo.mdb"), QStringLiteral("autosalvo.mdb"),
    QStringLiteral("carsalvo.mdb") };
const QStringList allFiles { QStringLiteral("asso.mdb"), QStringLiteral("emervol.mdb"),
    QStringLiteral("assoesp.mdb"), QStringLiteral("voloesp.mdb"), QStringLiteral("auto.mdb"),
    QStringLiteral("car.mdb"), QStringLiteral("stor.mdb"), QStringLiteral("pass.mdb") };

QString folderFor(Session& session, const char* name)
{
    const QString folder = QDir(session.folder()).filePath(QString::fromLatin1(name));
    QDir().mkpath(folder);
    return folder;
}

QStringList pathsIn(const QString& folder, const QStringList& files)
{
    QStringList paths;
    for (const QString& file : files)
        paths << QDir(folder).filePath(file);
    return paths;
}

struct Rows
{
    qint64 volunteers;
    qint64 history;
    bool operator==(const Rows& other) const
    {
        return volunteers == other.volunteers && history == other.history;
    }
};

Rows liveRows(Session& session)
{
    return { BareCopy::rows(QDir(session.folder()).filePath(QStringLiteral("emervol.mdb")),
                 QStringLiteral("EMERVOL")),
        BareCopy::rows(
            QDir(session.folder()).filePath(QStringLiteral("stor.mdb")), QStringLiteral("STOR")) };
}

void storeMedians(const QList<Session*>& sessions, const Samples& ours, const Samples& bare,
    const Samples& copy, double Figures::*oursField, double Figures::*bareField,
    double Figures::*copyField)
{
    for (Session* session : sessions) {
        session->figures.*oursField = Timing::median(ours.value(session));
        session->figures.*bareField = Timing::median(bare.value(session));
        session->figures.*copyField = Timing::median(copy.value(session));
    }
}

} // namespace

namespace MaintenanceMeasurement {

void measureBackup(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples bare;
    Samples copy;
    for (int run = -1; run < plan.maintenanceRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            session->letGoOfFiles();
            const QString saved = folderFor(*session, "salva");
            for (const QString& name : offeredNames)
                app.fileDialog().queueFileName(QDir(saved).filePath(name));
            const double ms = Timing::milliseconds([&] { Maintenance::salvaarchivi(app); });
            checkNoError(app, *session, QStringLiteral("backup"));
            const qint64 volunteers = liveRows(*session).volunteers;
            check(BareCopy::rows(QDir(saved).filePath(QStringLiteral("emervolsalvo.mdb")),
                      QStringLiteral("EMERVOL"))
                    == volunteers,
                *session, QStringLiteral("backup: the saved volunteers are not the live ones"));

            app.closeAll();
            const QString engine = folderFor(*session, "backup");
            const QStringList live = pathsIn(session->folder(), savedFiles);
            const double bareMs = Timing::milliseconds([&] {
                for (const QString& path : live)
                    BareCopy::backup(path, QDir(engine).filePath(QFileInfo(path).fileName()));
            });
            check(BareCopy::rows(QDir(engine).filePath(QStringLiteral("emervol.mdb")),
                      QStringLiteral("EMERVOL"))
                    == volunteers,
                *session, QStringLiteral("bare backup: the volunteers are not all there"));

            const QString plain = folderFor(*session, "cp");
            const double copyMs = Timing::milliseconds([&] { BareCopy::durableCopy(live, plain); });
            if (run >= 0) {
                ours[session] << ms;
                bare[session] << bareMs;
                copy[session] << copyMs;
            }
        }
    }
    storeMedians(
        sessions, ours, bare, copy, &Figures::backup, &Figures::backupBare, &Figures::backupCopy);
}

void measureCompaction(const QList<Session*>& sessions, const RunPlan& plan)
{
    Samples ours;
    Samples bare;
    Samples copy;
    for (int run = -1; run < plan.maintenanceRuns; ++run) {
        for (Session* session : sessions) {
            App& app = session->program();
            session->letGoOfFiles();
            const Rows before = liveRows(*session);
            const double ms = Timing::milliseconds([&] { Maintenance::compattadatabase(app); });
            checkNoError(app, *session, QStringLiteral("compaction"));
            check(liveRows(*session) == before, *session,
                QStringLiteral("compaction: the registers changed"));

            app.closeAll();
            const QStringList files = pathsIn(session->folder(), allFiles);
            const double bareMs = Timing::milliseconds([&] {
                for (const QString& path : files)
                    BareCopy::vacuum(path);
            });
            check(liveRows(*session) == before, *session,
                QStringLiteral("bare compaction: the registers changed"));

            const QString plain = folderFor(*session, "cp");
            const double copyMs
                = Timing::milliseconds([&] { BareCopy::durableCopy(files, plain); });
            if (run >= 0) {
                ours[session] << ms;
                bare[session] << bareMs;
                copy[session] << copyMs;
            }
        }
    }
    storeMedians(sessions, ours, bare, copy, &Figures::compaction, &Figures::compactionBare,
        &Figures::compactionCopy);
}

} // namespace MaintenanceMeasurement
