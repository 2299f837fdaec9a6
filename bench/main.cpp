#include "gatemeasurement.h"
#include "historymeasurement.h"
#include "measurement.h"
#include "report.h"
#include "seeder.h"
#include "servermeasurement.h"
#include "session.h"
#include "timing.h"
#include "twodesks.h"
#include "vehiclemeasurement.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <exception>
#include <memory>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform complains about every raise() the program makes.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& progress()
{
    static QTextStream stream(stderr);
    return stream;
}

QString describe(const ArchiveSizes& sizes)
{
    const QLocale locale(QLocale::English);
    return QStringLiteral("%1 history records, %2 volunteers in %3 associations")
        .arg(locale.toString(sizes.historyRecords), locale.toString(sizes.volunteers),
            locale.toString(sizes.associations));
}

QString seconds(double ms)
{
    return QStringLiteral("%1 s").arg(ms / 1000, 0, 'f', 1);
}

void seed(const QString& label, const QString& folder, const ArchiveSizes& sizes)
{
    progress() << label << ": seeding " << describe(sizes) << " ..." << Qt::flush;
    const double ms = Timing::milliseconds([&] { Seeder::seed(folder, sizes); });
    progress() << " " << seconds(ms) << "\n" << Qt::flush;
}

// The server's rows, measured on their own archives after the files' rows.
// Two desks at once are timed on the 10N archive the rows leave on the server.
QList<ReportRow> serverRows(
    const ArchiveSizes& n, const RunPlan& plan, const QString& only, TwoDesks::Rates* desks)
{
    if (!only.isEmpty() && only != QLatin1String("server"))
        return {};
    const QString server = ServerMeasurement::serverFromEnvironment();
    if (server.isEmpty()) {
        progress() << "server: skipped, OSTRALE_TEST_SERVER is not set\n" << Qt::flush;
        return {};
    }
    const ArchiveSizes tenN { n.historyRecords * 10, n.volunteers * 10, n.associations * 10 };
    progress() << "measuring on the server ..." << Qt::flush;
    QList<ReportRow> rows;
    const double ms = Timing::milliseconds([&] {
        rows = ServerMeasurement::measure(server, n, tenN, plan);
        *desks = TwoDesks::measure(server, plan.readsPerDesk);
    });
    progress() << " " << seconds(ms) << "\n" << Qt::flush;
    return rows;
}

// The rows measured on the program folder's files.
QList<ReportRow> fileRows(
    const ArchiveSizes& n, const RunPlan& plan, bool keep, const QString& only)
{
    if (only == QLatin1String("server"))
        return {};
    const ArchiveSizes tenN { n.historyRecords * 10, n.volunteers * 10, n.associations * 10 };
    QTemporaryDir folderN;
    QTemporaryDir folderTenN;
    if (!folderN.isValid() || !folderTenN.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    folderN.setAutoRemove(!keep);
    folderTenN.setAutoRemove(!keep);
    seed(QStringLiteral("N"), folderN.path(), n);
    seed(QStringLiteral("10N"), folderTenN.path(), tenN);

    const QString home = QDir::currentPath();
    Figures atN;
    Figures atTenN;
    QList<ReportRow> gateRows;
    QList<ReportRow> vehicleRows;
    QList<ReportRow> historyRows;
    {
        Session sessionN(QStringLiteral("N"), folderN.path(), n);
        Session sessionTenN(QStringLiteral("10N"), folderTenN.path(), tenN);
        progress() << "measuring ..." << Qt::flush;
        const double ms = Timing::milliseconds([&] {
            Measurement::measure({ &sessionN, &sessionTenN }, plan, only);
        });
        progress() << " " << seconds(ms) << "\n" << Qt::flush;
        atN = sessionN.figures;
        atTenN = sessionTenN.figures;
        if (only.isEmpty() || only == QLatin1String("gate"))
            gateRows = GateMeasurement::measure(sessionN, sessionTenN);
        if (only.isEmpty() || only == QLatin1String("vehicles"))
            vehicleRows = VehicleMeasurement::measure(sessionN, sessionTenN);
        // Last: the history updates change the archive the others read.
        if (only.isEmpty() || only == QLatin1String("history"))
            historyRows = HistoryMeasurement::measure(sessionN, sessionTenN);
    }
    // Leave the folders before they are removed.
    QDir::setCurrent(home);
    if (keep)
        progress() << "kept: N in " << folderN.path() << ", 10N in " << folderTenN.path() << "\n"
                   << Qt::flush;

    return Report::rows(atN, atTenN) + gateRows + vehicleRows + historyRows;
}

int run(const ArchiveSizes& n, bool keep, const QString& only)
{
    const RunPlan plan;
    const ArchiveSizes tenN { n.historyRecords * 10, n.volunteers * 10, n.associations * 10 };
    TwoDesks::Rates desks;
    QList<ReportRow> rows = fileRows(n, plan, keep, only) + serverRows(n, plan, only, &desks);
    // A group left out leaves its rows unmeasured: they are not reported.
    rows.removeIf([](const ReportRow& row) { return row.n == 0 && row.tenN == 0; });
    out() << "N:   " << describe(n) << "\n10N: " << describe(tenN) << "\n"
          << "Medians of " << plan.countRuns << " to " << plan.startRuns
          << " runs; a lookup is the mean of " << plan.lookupsPerRun
          << " lookups of random existing names; a badge read is the median of "
          << plan.badgeRounds * plan.badgeReadsPerRound << " reads.\n\n"
          << Report::table(rows) << "\n"
          << Qt::flush;
    if (desks.alone > 0) {
        out() << "\n" << desks.line() << "\n" << Qt::flush;
        if (!desks.passes())
            return 1;
    }
    for (const ReportRow& row : rows)
        if (!row.passes())
            return 1;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // The program's windows are created and shown, but nobody needs to see them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(dropPlatformNoise);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrale-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times start-up, the automatic volunteer count, the volunteer scan, the association "
        "lookup, the grouped volunteer list and the badge read on synthetic archives of two "
        "sizes, N and 10N, against the same SQL run bare. "
        "Exits with 1 when a goal is missed, 2 when the run itself failed."));
    parser.addHelpOption();
    const QCommandLineOption quick(QStringLiteral("quick"),
        QStringLiteral("Smoke run: N = 10,000 history records and 1,000 volunteers."));
    const QCommandLineOption keep(QStringLiteral("keep"),
        QStringLiteral("Keep the seeded program folders and print where they are."));
    const QCommandLineOption only(QStringLiteral("only"),
        QStringLiteral("Measure one group only: desk, reports, maintenance, gate, vehicles, "
                       "history or server (on the server OSTRALE_TEST_SERVER names)."),
        QStringLiteral("group"));
    parser.addOption(quick);
    parser.addOption(keep);
    parser.addOption(only);
    const QCommandLineOption desk(QStringLiteral("desk"),
        QStringLiteral("Run as one of the two desks: CODES GO-AT-MS CONNINFO."));
    parser.addOption(desk);
    parser.process(application);

    if (parser.isSet(desk)) {
        const QStringList args = parser.positionalArguments();
        try {
            if (args.size() != 3)
                throw std::runtime_error("--desk takes CODES GO-AT-MS CONNINFO");
            return TwoDesks::runDesk(args.at(2), args.at(0), args.at(1).toLongLong());
        } catch (const std::exception& error) {
            progress() << "ostrale-bench desk: " << error.what() << "\n" << Qt::flush;
            return 2;
        }
    }
    const ArchiveSizes n = parser.isSet(quick) ? ArchiveSizes { 10000, 1000, 50 }
                                               : ArchiveSizes { 100000, 10000, 500 };
    try {
        const QString group = parser.value(only);
        const QStringList groups { QStringLiteral("desk"), QStringLiteral("reports"),
            QStringLiteral("maintenance"), QStringLiteral("gate"), QStringLiteral("vehicles"),
            QStringLiteral("history"), QStringLiteral("server") };
        if (!group.isEmpty() && !groups.contains(group)) {
            progress() << "ostrale-bench: no group " << group << "\n" << Qt::flush;
            return 2;
        }
        return run(n, parser.isSet(keep), group);
    } catch (const std::exception& error) {
        progress() << "\nostrale-bench: " << error.what() << "\n" << Qt::flush;
        return 2;
    }
}
