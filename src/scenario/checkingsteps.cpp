// The checking steps: what the operator sees, and what is left on disk.

#include "controls.h"
#include "scenario.h"
#include "servercounters.h"
#include "sqlfiles.h"
#include "step.h"
#include "stepfailure.h"
#include "steps.h"
#include "textcompare.h"

#include "app/app.h"
#include "app/mainwindow.h"
#include "platform/busypointer.h"
#include "platform/textfile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using TextCompare::quoted;

namespace {

QString yesNoText(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

void compareBlock(const QStringList& expected, const QStringList& found)
{
    const QString differences = TextCompare::differences(expected, found);
    if (!differences.isEmpty())
        throw StepFailure { differences };
}

const MessageBox::Shown& nextMessage(Scenario& scenario, const QString& expected)
{
    const QList<MessageBox::Shown>& shown = scenario.app().messages().shown();
    if (scenario.checkedMessages >= shown.size())
        throw StepFailure {
            QStringLiteral("expected message %1, found no message").arg(quoted(expected))
        };
    return shown[scenario.checkedMessages];
}

void expectMessageStep(Scenario& scenario, const Step& step)
{
    const QString found = nextMessage(scenario, step.args[0]).text;
    if (found != step.args[0])
        throw StepFailure {
            QStringLiteral("expected message %1, found %2").arg(quoted(step.args[0]), quoted(found))
        };
    ++scenario.checkedMessages;
}

void expectMessagePrefixStep(Scenario& scenario, const Step& step)
{
    const QString found = nextMessage(scenario, step.args[0]).text;
    if (!found.startsWith(step.args[0]))
        throw StepFailure { QStringLiteral("expected a message beginning %1, found %2")
                                .arg(quoted(step.args[0]), quoted(found)) };
    ++scenario.checkedMessages;
}

void expectNoMessageStep(Scenario& scenario, const Step&)
{
    const QList<MessageBox::Shown>& shown = scenario.app().messages().shown();
    if (scenario.checkedMessages >= shown.size())
        return;
    QStringList unchecked;
    for (qsizetype i = scenario.checkedMessages; i < shown.size(); ++i)
        unchecked << quoted(shown[i].text);
    throw StepFailure { QStringLiteral("expected no unchecked message, found %1")
                            .arg(unchecked.join(QStringLiteral(", "))) };
}

std::optional<QString> textOf(Scenario& scenario, const QString& reference)
{
    if (const QAction* entry = scenario.menuEntry(reference))
        return entry->text();
    QWidget* control = scenario.control(reference);
    const std::optional<QString> text = Controls::text(control);
    if (!text)
        throw StepFailure { QStringLiteral("expected a control with a text, found %1")
                                .arg(Controls::describe(control)) };
    return text;
}

void expectStep(Scenario& scenario, const Step& step)
{
    const std::optional<QString> text = textOf(scenario, step.args[0]);
    if (*text != step.args[1])
        throw StepFailure {
            QStringLiteral("expected %1, found %2").arg(quoted(step.args[1]), quoted(*text))
        };
}

void expectPrefixStep(Scenario& scenario, const Step& step)
{
    const std::optional<QString> text = textOf(scenario, step.args[0]);
    if (!text->startsWith(step.args[1]))
        throw StepFailure { QStringLiteral("expected a text beginning %1, found %2")
                                .arg(quoted(step.args[1]), quoted(*text)) };
}

void expectVisibleStep(Scenario& scenario, const Step& step)
{
    const bool expected = Steps::yesNo(step.args[1]);
    bool found = false;
    if (const QAction* entry = scenario.menuEntry(step.args[0])) {
        found = entry->isVisible();
    } else {
        OstraleWindow* window = nullptr;
        QWidget* control = scenario.control(step.args[0], &window);
        // The control's own visibility: whether its window is shown is expect-shown's.
        found = control->isVisibleTo(window);
    }
    if (found != expected)
        throw StepFailure { QStringLiteral("expected visible %1, found %2")
                                .arg(yesNoText(expected), yesNoText(found)) };
}

void expectEnabledStep(Scenario& scenario, const Step& step)
{
    const QString& name = step.args[0];
    const bool expected = Steps::yesNo(step.args[1]);
    bool found = false;
    if (const QAction* entry = scenario.menuEntry(name)) {
        found = entry->isEnabled();
    } else if (name.contains(QLatin1Char('.'))) {
        found = scenario.control(name)->isEnabled();
    } else {
        QAction* entry = scenario.mainWindow()->menuEntry(name);
        if (!entry)
            throw StepFailure { QStringLiteral("the menu has no entry named %1").arg(name) };
        found = entry->isEnabled();
    }
    if (found != expected)
        throw StepFailure { QStringLiteral("expected enabled %1, found %2")
                                .arg(yesNoText(expected), yesNoText(found)) };
}

void expectCaptionStep(Scenario& scenario, const Step& step)
{
    const QString found = scenario.window(step.args[0])->windowTitle();
    if (found != step.args[1])
        throw StepFailure {
            QStringLiteral("expected caption %1, found %2").arg(quoted(step.args[1]), quoted(found))
        };
}

void expectShownStep(Scenario& scenario, const Step& step)
{
    const bool expected = Steps::yesNo(step.args[1]);
    // Before the start no window is on screen.
    const bool found = scenario.isStarted() && scenario.window(step.args[0])->isVisible();
    if (found != expected)
        throw StepFailure {
            QStringLiteral("expected shown %1, found %2").arg(yesNoText(expected), yesNoText(found))
        };
}

void expectLinesStep(Scenario& scenario, const Step& step)
{
    QWidget* control = scenario.control(step.args[0]);
    const std::optional<QStringList> lines = Controls::lines(control);
    if (!lines)
        throw StepFailure { QStringLiteral("expected a list box, grid or combo box, found %1")
                                .arg(Controls::describe(control)) };
    compareBlock(step.block, *lines);
}

void expectSqlStep(Scenario& scenario, const Step& step)
{
    compareBlock(step.block, SqlFiles::rows(scenario.path(step.args[0]), step.args[1]));
}

void expectFileStep(Scenario& scenario, const Step& step)
{
    if (const std::optional<QStringList> counter = ServerCounters::lines(step.args[0])) {
        compareBlock(step.block, *counter);
        return;
    }
    QFile file(scenario.path(step.args[0]));
    if (!QFileInfo(file.fileName()).isFile())
        throw StepFailure { QStringLiteral("expected a file %1, found none").arg(step.args[0]) };
    if (!file.open(QIODevice::ReadOnly))
        throw StepFailure {
            QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString())
        };
    compareBlock(step.block, TextCompare::fileLines(TextFile::decode(file.readAll())));
}

void expectNoFileStep(Scenario& scenario, const Step& step)
{
    if (QFileInfo::exists(scenario.path(step.args[0])))
        throw StepFailure { QStringLiteral("expected no file %1, found one").arg(step.args[0]) };
}

// A file another program wrote is still, byte for byte, the one handed over.
void expectCopyStep(Scenario& scenario, const Step& step)
{
    const auto bytesOf = [](const QString& path, const QString& named) {
        QFile file(path);
        if (!QFileInfo(path).isFile())
            throw StepFailure { QStringLiteral("expected a file %1, found none").arg(named) };
        if (!file.open(QIODevice::ReadOnly))
            throw StepFailure {
                QStringLiteral("cannot read %1: %2").arg(path, file.errorString())
            };
        return file.readAll();
    };
    const QByteArray original = bytesOf(scenario.scriptPath(step.args[0]), step.args[0]);
    const QByteArray found = bytesOf(scenario.path(step.args[1]), step.args[1]);
    if (found != original)
        throw StepFailure { QStringLiteral("expected %1 to hold the bytes of %2, found %3 bytes "
                                           "that differ")
                                .arg(step.args[1], step.args[0])
                                .arg(found.size()) };
}

// Every name in the program folder, files and folders alike, in name order.
// The engines spell index names in their own case: the names compare (and
// differences show) in lower case.
void expectIndexesStep(Scenario& scenario, const Step& step)
{
    const QStringList found = SqlFiles::indexNames(scenario.path(step.args[0]));
    const auto lower = [](QStringList names) {
        for (QString& name : names)
            name = name.toLower();
        return names;
    };
    compareBlock(lower(step.block), lower(found));
}

// The registers a server holds are not in the folder in either list: the
// check is about everything else there.
void expectFolderStep(Scenario& scenario, const Step& step)
{
    const auto inFolder = [&](QStringList names) {
        names.removeIf(
            [&](const QString& name) { return SqlFiles::onServer(scenario.path(name)); });
        return names;
    };
    const QDir folder(scenario.path(QStringLiteral(".")));
    compareBlock(inFolder(step.block),
        inFolder(folder.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)));
}

void expectPrintedStep(Scenario& scenario, const Step& step)
{
    const Printer& printer = scenario.app().printer();
    if (printer.finishedJobs() == 0)
        throw StepFailure { QStringLiteral("expected a finished print job, found none") };
    compareBlock(step.block, printer.lastJob().texts());
}

void expectJobsStep(Scenario& scenario, const Step& step)
{
    const int expected = Steps::wholeNumber(step.args[0]);
    const int found = scenario.app().printer().finishedJobs();
    if (found != expected)
        throw StepFailure {
            QStringLiteral("expected %1 print jobs, found %2").arg(expected).arg(found)
        };
}

// Starts are checked in the order they happened: a check passes on the first
// start of that program not checked yet, and the starts before it are
// dropped with it.
void expectStartedStep(Scenario& scenario, const Step& step)
{
    scenario.uncheckedStarts += scenario.app().programs().takeStarted();
    const qsizetype found = scenario.uncheckedStarts.indexOf(step.args[0]);
    if (found < 0)
        throw StepFailure { QStringLiteral("expected %1 started, found %2")
                                .arg(step.args[0],
                                    scenario.uncheckedStarts.isEmpty()
                                        ? QStringLiteral("no program started")
                                        : scenario.uncheckedStarts.join(QStringLiteral(", "))
                                            + QStringLiteral(" started")) };
    scenario.uncheckedStarts.remove(0, found + 1);
}

void expectPointerStep(Scenario&, const Step& step)
{
    const QString& expected = step.args[0];
    if (expected != QLatin1String("normal") && expected != QLatin1String("busy"))
        throw StepFailure { QStringLiteral("expected normal or busy, found %1").arg(expected) };
    const QString found = BusyPointer::isBusy() ? QStringLiteral("busy") : QStringLiteral("normal");
    if (found != expected)
        throw StepFailure {
            QStringLiteral("expected the %1 pointer, found the %2 one").arg(expected, found)
        };
}

} // namespace

namespace Steps {

QList<StepKind> checkingSteps()
{
    return {
        { "expect-message", 1, 1, false, expectMessageStep },
        { "expect-message-prefix", 1, 1, false, expectMessagePrefixStep },
        { "expect-no-message", 0, 0, false, expectNoMessageStep },
        { "expect", 2, 2, false, expectStep },
        { "expect-prefix", 2, 2, false, expectPrefixStep },
        { "expect-visible", 2, 2, false, expectVisibleStep },
        { "expect-enabled", 2, 2, false, expectEnabledStep },
        { "expect-caption", 2, 2, false, expectCaptionStep },
        { "expect-shown", 2, 2, false, expectShownStep },
        { "expect-lines", 1, 1, true, expectLinesStep },
        { "expect-sql", 2, 2, true, expectSqlStep },
        { "expect-file", 1, 1, true, expectFileStep },
        { "expect-no-file", 1, 1, false, expectNoFileStep },
        { "expect-copy", 2, 2, false, expectCopyStep },
        { "expect-folder", 0, 0, true, expectFolderStep },
        { "expect-indexes", 1, 1, true, expectIndexesStep },
        { "expect-printed", 0, 0, true, expectPrintedStep },
        { "expect-jobs", 1, 1, false, expectJobsStep },
        { "expect-started", 1, 1, false, expectStartedStep },
        { "expect-pointer", 1, 1, false, expectPointerStep },
    };
}

} // namespace Steps
