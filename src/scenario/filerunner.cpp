#include "filerunner.h"

#include "scenario.h"
#include "scriptparser.h"
#include "step.h"
#include "stepfailure.h"
#include "steps.h"

#include "app/app.h"
#include "app/initialfolder.h"
#include "platform/error.h"
#include "platform/serverengine.h"
#include "platform/textfile.h"
#include "serverdatabases.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace {

// What the program left unanswered during a step: a question box or a file
// dialog the scenario queued no answer for.
struct Unanswered
{
    explicit Unanswered(App& app)
        : questions(app.messages().unansweredQuestions().size())
        , dialogs(app.fileDialog().unanswered())
    {
    }

    qsizetype questions;
    int dialogs;
};

void checkAnswered(App& app, const Unanswered& before)
{
    const QStringList questions = app.messages().unansweredQuestions();
    if (questions.size() > before.questions)
        throw StepFailure { QStringLiteral("question box with no queued answer: %1")
                                .arg(questions[before.questions]) };
    if (app.fileDialog().unanswered() > before.dialogs)
        throw StepFailure { QStringLiteral("file dialog with no queued answer") };
}

void runStep(Scenario& scenario, const StepKind& kind, const Step& step)
{
    const Unanswered before(scenario.app());
    try {
        kind.run(scenario, step);
    } catch (const OstraleError& error) {
        throw StepFailure { QStringLiteral("the program failed outside its error handling: %1")
                                .arg(errorText(error)) };
    } catch (const std::exception& error) {
        throw StepFailure { QStringLiteral("the program failed outside its error handling: %1")
                                .arg(QString::fromLocal8Bit(error.what())) };
    }
    Scenario::settle();
    checkAnswered(scenario.app(), before);
}

// The program folder: a temporary one, or the kept one emptied.
class ProgramFolder
{
public:
    ProgramFolder(const QString& keepFolder, const QString& fileName)
    {
        if (keepFolder.isEmpty()) {
            m_temporary = std::make_unique<QTemporaryDir>();
            m_path = m_temporary->path();
            return;
        }
        m_path = QDir(keepFolder).absoluteFilePath(QFileInfo(fileName).completeBaseName());
        QDir(m_path).removeRecursively();
        QDir().mkpath(m_path);
    }

    QString path() const { return m_path; }
    bool isValid() const
    {
        return QFileInfo(m_path).isDir() && (!m_temporary || m_temporary->isValid());
    }

private:
    std::unique_ptr<QTemporaryDir> m_temporary;
    QString m_path;
};

// The hourglass belongs to the file that set it.
void resetPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

FileRunner::Result runSteps(
    Scenario& scenario, const QList<Step>& steps, const QList<const StepKind*>& kinds, int lastLine)
{
    for (qsizetype i = 0; i < steps.size(); ++i) {
        try {
            runStep(scenario, *kinds[i], steps[i]);
        } catch (const StepFailure& failure) {
            return { false, steps[i].line,
                steps[i].source + QStringLiteral(": ") + failure.message };
        }
    }
    // Every message shown must have been checked by the end.
    Step end;
    end.line = lastLine;
    end.keyword = QStringLiteral("expect-no-message");
    try {
        runStep(scenario, Steps::kindOf(end), end);
    } catch (const StepFailure& failure) {
        return { false, lastLine, QStringLiteral("at the end of the file: ") + failure.message };
    }
    return { true, 0, QString() };
}

// Whether the first comment line of the file says it is about the files.
bool filesOnly(const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('#')))
            return trimmed.mid(1).trimmed().startsWith(QLatin1String("files only"));
    }
    return false;
}

// The desk's registers go to a fresh server database for the length of one
// file, then the file engine is back and the database goes.
class ServerForFile
{
public:
    explicit ServerForFile(ServerDatabases* server)
        : m_server(server)
    {
        if (!m_server)
            return;
        m_conninfo = m_server->create(&m_failure);
        if (!m_conninfo.isEmpty())
            Engine::chooseForRegisters(
                std::make_unique<ServerEngine>(*ConnInfo::parse(m_conninfo, nullptr)));
    }
    ~ServerForFile()
    {
        if (m_conninfo.isEmpty())
            return;
        Engine::chooseForRegisters(nullptr);
        m_server->drop(m_conninfo);
    }
    ServerForFile(const ServerForFile&) = delete;
    ServerForFile& operator=(const ServerForFile&) = delete;

    QString failure() const { return m_failure; }

private:
    ServerDatabases* m_server;
    QString m_conninfo;
    QString m_failure;
};

} // namespace

FileRunner::FileRunner(QString keepFolder, ServerDatabases* server)
    : m_keepFolder(std::move(keepFolder))
    , m_server(server)
{
}

FileRunner::Result FileRunner::run(const QString& fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return { false, 0, QStringLiteral("cannot read the file: %1").arg(file.errorString()) };

    QList<Step> steps;
    QList<const StepKind*> kinds;
    int lastLine = 0;
    try {
        const QString text = TextFile::decode(file.readAll());
        lastLine = int(text.count(QLatin1Char('\n'))) + (text.endsWith(QLatin1Char('\n')) ? 0 : 1);
        if (m_server && filesOnly(text)) {
            Result skipped;
            skipped.passed = true;
            skipped.skipped = true;
            return skipped;
        }
        steps = ScriptParser::parse(text);
        for (const Step& step : steps)
            kinds << &Steps::kindOf(step);
    } catch (const SyntaxError& error) {
        return { false, error.line, error.message };
    }

    const ServerForFile server(m_server);
    if (!server.failure().isEmpty())
        return { false, 0, server.failure() };
    const ProgramFolder folder(m_keepFolder, fileName);
    if (!folder.isValid())
        return { false, 0, QStringLiteral("cannot make a program folder %1").arg(folder.path()) };
    try {
        InitialFolder::layDown(folder.path());
    } catch (const OstraleError& error) {
        return { false, 0,
            QStringLiteral("cannot lay down the program folder: %1").arg(errorText(error)) };
    }

    const QString scriptFolder = QFileInfo(fileName).absolutePath();
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    Result result;
    {
        Scenario scenario(folder.path(), scriptFolder);
        result = runSteps(scenario, steps, kinds, lastLine);
    }
    resetPointer();
    QDir::setCurrent(previousFolder);
    return result;
}
