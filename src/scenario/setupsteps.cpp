// The set-up steps: they shape the program folder directly, as the operator
// or another program would, before or while the program runs.

#include "scenario.h"
#include "servercounters.h"
#include "sqlfiles.h"
#include "step.h"
#include "stepfailure.h"
#include "steps.h"
#include "textcompare.h"

#include "app/app.h"
#include "platform/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString blockText(const Step& step)
{
    QString text;
    for (const QString& line : step.block)
        text += line + QStringLiteral("\r\n");
    return text;
}

void writeFile(Scenario& scenario, const QString& name, const QByteArray& bytes)
{
    const QString path = scenario.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw StepFailure { QStringLiteral("cannot write %1: %2").arg(path, file.errorString()) };
}

void fileStep(Scenario& scenario, const Step& step)
{
    if (ServerCounters::write(step.args[0], blockText(step)))
        return;
    writeFile(scenario, step.args[0], blockText(step).toUtf8());
}

// The files of older desks are in Windows-1252.
void fileCp1252Step(Scenario& scenario, const Step& step)
{
    const QString text = blockText(step);
    for (const QChar c : text)
        if (c != QLatin1Char('?') && TextFile::encodeWindows1252(QString(c)) == "?")
            throw StepFailure { QStringLiteral("%1 cannot be written in Windows-1252")
                                    .arg(TextCompare::quoted(QString(c))) };
    writeFile(scenario, step.args[0], TextFile::encodeWindows1252(text));
}

// A file another program wrote, handed to the desk as it is.
void copyStep(Scenario& scenario, const Step& step)
{
    const QString source = scenario.scriptPath(step.args[0]);
    QFile file(source);
    if (!QFileInfo(source).isFile())
        throw StepFailure {
            QStringLiteral("expected a file %1 to copy, found none").arg(step.args[0])
        };
    if (!file.open(QIODevice::ReadOnly))
        throw StepFailure { QStringLiteral("cannot read %1: %2").arg(source, file.errorString()) };
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StepFailure { QStringLiteral("cannot read %1: %2").arg(source, file.errorString()) };
    writeFile(scenario, step.args[1], bytes);
}

void sqlStep(Scenario& scenario, const Step& step)
{
    SqlFiles::execute(scenario.path(step.args[0]), step.args[1]);
}

// "refuse-inserts FILE MESSAGE [when CONDITION]"; without a message the
// register takes new records again.
void refuseInsertsStep(Scenario& scenario, const Step& step)
{
    const QStringList& args = step.args;
    if (args.size() == 3 || (args.size() == 4 && args[2] != QLatin1String("when")))
        throw StepFailure { QStringLiteral("expected when CONDITION after the message, found %1")
                                .arg(args.mid(2).join(QLatin1Char(' '))) };
    SqlFiles::refuseInserts(scenario.path(args[0]), args.value(1), args.value(3));
}

// "now 02/01/2024 10:30", or the moment as one quoted argument.
void nowStep(Scenario& scenario, const Step& step)
{
    const QString text = step.args.join(QLatin1Char(' '));
    const QDateTime moment = QDateTime::fromString(text, QStringLiteral("dd/MM/yyyy HH:mm"));
    if (!moment.isValid())
        throw StepFailure { QStringLiteral("expected DD/MM/YYYY hh:mm, found %1").arg(text) };
    scenario.app().clock().fix(moment);
}

void removeStep(Scenario& scenario, const Step& step)
{
    const QString path = scenario.path(step.args[0]);
    if (SqlFiles::removeFromServer(path) || ServerCounters::write(step.args[0], QString()))
        return;
    const QFileInfo info(path);
    if (!info.exists())
        throw StepFailure {
            QStringLiteral("expected a file %1 to remove, found none").arg(step.args[0])
        };
    const bool removed = info.isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (!removed)
        throw StepFailure { QStringLiteral("cannot remove %1").arg(path) };
}

void clearStep(Scenario& scenario, const Step&)
{
    QDir folder(scenario.folder());
    const QFileInfoList entries = folder.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const bool removed = entry.isDir() && !entry.isSymLink()
            ? QDir(entry.absoluteFilePath()).removeRecursively()
            : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            throw StepFailure { QStringLiteral("cannot remove %1").arg(entry.absoluteFilePath()) };
    }
}

} // namespace

namespace Steps {

QList<StepKind> setupSteps()
{
    return {
        { "file", 1, 1, true, fileStep },
        { "file-cp1252", 1, 1, true, fileCp1252Step },
        { "sql", 2, 2, false, sqlStep },
        { "refuse-inserts", 1, 4, false, refuseInsertsStep },
        { "now", 1, 2, false, nowStep },
        { "remove", 1, 1, false, removeStep },
        { "copy", 2, 2, false, copyStep },
        { "clear", 0, 0, false, clearStep },
    };
}

} // namespace Steps
