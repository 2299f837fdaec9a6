#include "accessimportmeasurement.h"

#include "bareconnection.h"
#include "checks.h"
#include "session.h"
#include "talpexexport.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>

namespace {

using Checks::check;

constexpr int runs = 3;
const QString operation = QStringLiteral("registry import (Access)");
const QStringList exportFiles { QStringLiteral("assoesp.mdb"), QStringLiteral("voloesp.mdb") };
const QStringList exportTables { QStringLiteral("ASSO"), QStringLiteral("VOLO") };

// The two copies of the export beside the program folder's own files.
QString kept(const Session& session, const QString& kind, const QString& file)
{
    return QDir(session.folder()).filePath(kind + QLatin1Char('-') + file);
}

void put(const Session& session, const QString& kind)
{
    for (const QString& file : exportFiles) {
        const QString target = QDir(session.folder()).filePath(file);
        QFile::remove(target);
        check(QFile::copy(kept(session, kind, file), target), session,
            operation + QStringLiteral(": cannot put %1 in place").arg(file));
    }
}

// Both forms of one export of `volunteers` volunteers, kept aside.
void prepare(Session& session, qint64 volunteers)
{
    for (int i = 0; i < exportFiles.size(); ++i) {
        BareConnection file(session.folder(), exportFiles[i]);
        QSqlQuery empty(file.db());
        requireSql(empty.exec(QStringLiteral("delete from ") + exportTables[i]), empty);
    }
    TalpexExport::seed(session, volunteers);
    for (int i = 0; i < exportFiles.size(); ++i) {
        const QString live = QDir(session.folder()).filePath(exportFiles[i]);
        const QString desk = kept(session, QStringLiteral("desk"), exportFiles[i]);
        QFile::remove(desk);
        check(QFile::copy(live, desk), session, operation + QStringLiteral(": cannot copy"));
        QProcess writer;
        writer.start(QStringLiteral(OSTRALE_JETWRITER),
            { desk, kept(session, QStringLiteral("access"), exportFiles[i]), exportTables[i] });
        check(writer.waitForFinished(-1) && writer.exitStatus() == QProcess::NormalExit
                && writer.exitCode() == 0,
            session,
            operation + QStringLiteral(": ostrale-jetwriter failed: ")
                + QString::fromLocal8Bit(writer.readAllStandardError()));
    }
}

} // namespace

namespace AccessImportMeasurement {

ReportRow measure(Session& n, Session& tenN)
{
    Session* sessions[2] = { &n, &tenN };
    qint64 volunteers[2];
    for (int side = 0; side < 2; ++side) {
        Session& session = *sessions[side];
        volunteers[side] = session.sizes().historyRecords / 10;
        prepare(session, volunteers[side]);
        // Once untimed: the archive then holds this export's records, which
        // every following import replaces with the same.
        put(session, QStringLiteral("desk"));
        TalpexExport::timeImport(session, operation, volunteers[side]);
    }
    QList<double> access[2];
    QList<double> desk[2];
    for (int run = 0; run < runs; ++run)
        for (int side = 0; side < 2; ++side) {
            Session& session = *sessions[side];
            const QString associations = kept(session, QStringLiteral("desk"), exportFiles[0]);
            put(session, QStringLiteral("desk"));
            desk[side] << TalpexExport::timeImport(
                session, operation + QStringLiteral(", desk's format"), volunteers[side]);
            put(session, QStringLiteral("access"));
            access[side] << TalpexExport::timeImport(
                session, operation, volunteers[side], associations);
        }
    return { operation, Timing::median(access[0]), Timing::median(access[1]),
        Timing::median(desk[0]), Timing::median(desk[1]), 12, false, 2 };
}

} // namespace AccessImportMeasurement
