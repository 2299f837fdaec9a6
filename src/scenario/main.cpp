// ostrale-scenario [--keep DIR] [--must-fail] [--server CONNINFO [--same-database]] FILE...
// Runs each scenario file against the real program and reports it. With
// --must-fail, a file passes when it fails where it says it must. With
// --server, the desk keeps its registers on that PostgreSQL server, on a
// fresh database for each file, or with --same-database on the database the
// connection string names, as it stands (several runners at once are several
// desks of one camp).

#include "filerunner.h"
#include "mustfail.h"
#include "serverdatabases.h"

#include "platform/translations.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

void print(const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The headless platform's notices about what it cannot do on a screen it does
// not have are no news; everything else the program says goes through.
QtMessageHandler defaultHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

int usage()
{
    std::fputs("usage: ostrale-scenario [--keep DIR] [--must-fail] [--server CONNINFO "
               "[--same-database]] FILE...\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // The windows are driven, never seen: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(filterMessages);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrale"));
    installItalianTranslations(application);

    QStringList args = QApplication::arguments().mid(1);
    QString keepFolder;
    bool mustFail = false;
    std::optional<ConnInfo> serverInfo;
    bool sameDatabase = false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--keep") && !args.isEmpty())
            keepFolder = args.takeFirst();
        else if (option == QLatin1String("--must-fail"))
            mustFail = true;
        else if (option == QLatin1String("--same-database"))
            sameDatabase = true;
        else if (option == QLatin1String("--server") && !args.isEmpty()) {
            QString why;
            serverInfo = ConnInfo::parse(args.takeFirst(), &why);
            if (!serverInfo) {
                std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
                return 2;
            }
        } else
            return usage();
    }
    if (args.isEmpty() || (sameDatabase && !serverInfo))
        return usage();
    std::unique_ptr<ServerDatabases> server;
    if (serverInfo)
        server = std::make_unique<ServerDatabases>(*serverInfo, sameDatabase);

    const FileRunner runner(keepFolder, server.get());
    int passed = 0;
    int failed = 0;
    for (const QString& fileName : std::as_const(args)) {
        const FileRunner::Result result = runner.run(fileName);
        if (mustFail) {
            const QString verdict = MustFail::verdict(fileName, result);
            if (verdict.isEmpty()) {
                ++passed;
                print(QStringLiteral("ok %1 (failed at line %2 as it must)")
                          .arg(fileName)
                          .arg(result.line));
            } else {
                ++failed;
                print(QStringLiteral("FAIL %1: %2").arg(fileName, verdict.trimmed()));
            }
        } else if (result.skipped) {
            print(QStringLiteral("skip %1 (files only)").arg(fileName));
        } else if (result.passed) {
            ++passed;
            print(QStringLiteral("ok %1").arg(fileName));
        } else {
            ++failed;
            const QString where = result.line > 0
                ? QStringLiteral("%1:%2").arg(fileName).arg(result.line)
                : fileName;
            print(QStringLiteral("FAIL %1: %2").arg(where, result.message.trimmed()));
        }
    }
    print(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}
