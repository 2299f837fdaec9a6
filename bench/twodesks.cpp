#include "twodesks.h"

#include "app/app.h"
#include "app/initialfolder.h"
#include "badgepicks.h"
#include "formruns.h"
#include "platform/conninfo.h"
#include "platform/engine.h"
#include "platform/serverengine.h"
#include "programruns.h"
#include "registerprobe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <stdexcept>

namespace {

ConnInfo serverOf(const QString& conninfo)
{
    QString why;
    const std::optional<ConnInfo> server = ConnInfo::parse(conninfo, &why);
    if (!server)
        throw std::runtime_error(("server: " + why).toStdString());
    return *server;
}

struct Span
{
    qint64 start = 0;
    qint64 end = 0;
};

// Starts one desk per code file, all told to begin at the same moment, and
// returns each one's reading time.
QList<Span> runDesks(const QString& conninfo, const QStringList& codeFiles)
{
    // Long enough for every desk to be up and waiting.
    const qint64 goAt = QDateTime::currentMSecsSinceEpoch() + 4000;
    QList<QProcess*> desks;
    for (const QString& codes : codeFiles) {
        auto* desk = new QProcess;
        desk->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desk->start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--desk"), codes, QString::number(goAt), conninfo });
        desks << desk;
    }
    QList<Span> spans;
    QString failure;
    for (QProcess* desk : desks) {
        desk->waitForFinished(-1);
        const QStringList words
            = QString::fromLatin1(desk->readAllStandardOutput()).simplified().split(' ');
        if (desk->exitStatus() != QProcess::NormalExit || desk->exitCode() != 0
            || words.size() != 2)
            failure = QStringLiteral("a desk failed (status %1)").arg(desk->exitCode());
        else
            spans << Span { words.at(0).toLongLong(), words.at(1).toLongLong() };
        delete desk;
    }
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    return spans;
}

QString writeCodes(const QString& folder, const QString& name, const QList<Badge>& badges)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(("cannot write " + path).toStdString());
    for (const Badge& badge : badges)
        file.write(badge.code.toLatin1() + '\n');
    return path;
}

} // namespace

namespace TwoDesks {

QString Rates::line() const
{
    return QStringLiteral("two desks: %1 registrations/s one desk alone, %2 two desks at once "
                          "(%3x; goal ≥ 1.6x): %4")
        .arg(alone, 0, 'f', 1)
        .arg(together, 0, 'f', 1)
        .arg(alone > 0 ? together / alone : 0, 0, 'f', 2)
        .arg(passes() ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
}

Rates measure(const QString& conninfo, int readsPerDesk)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    QList<Badge> badges;
    {
        Engine::chooseForRegisters(std::make_unique<ServerEngine>(serverOf(conninfo)));
        RegisterProbe probe(folder.path());
        badges = BadgePicks::choose(probe, 4 * readsPerDesk, 7007);
    }
    Engine::chooseForRegisters(nullptr);
    const QString alone
        = writeCodes(folder.path(), QStringLiteral("alone"), badges.mid(0, readsPerDesk));
    const QString againAlone = writeCodes(
        folder.path(), QStringLiteral("again"), badges.mid(3 * readsPerDesk, readsPerDesk));
    const QString first = writeCodes(
        folder.path(), QStringLiteral("first"), badges.mid(readsPerDesk, readsPerDesk));
    const QString second = writeCodes(
        folder.path(), QStringLiteral("second"), badges.mid(2 * readsPerDesk, readsPerDesk));

    Rates rates;
    const QList<Span> one = runDesks(conninfo, { alone });
    rates.alone = 1000.0 * readsPerDesk / qMax<qint64>(1, one.at(0).end - one.at(0).start);
    const QList<Span> two = runDesks(conninfo, { first, second });
    // One desk alone again after the two: the better of its two rates is
    // the one two desks are held against.
    const QList<Span> again = runDesks(conninfo, { againAlone });
    rates.alone = qMax(
        rates.alone, 1000.0 * readsPerDesk / qMax<qint64>(1, again.at(0).end - again.at(0).start));
    const qint64 start = qMin(two.at(0).start, two.at(1).start);
    const qint64 end = qMax(two.at(0).end, two.at(1).end);
    rates.together = 1000.0 * 2 * readsPerDesk / qMax<qint64>(1, end - start);
    return rates;
}

int runDesk(const QString& conninfo, const QString& codesFile, qint64 goAtMs)
{
    QFile file(codesFile);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + codesFile).toStdString());
    const QStringList codes = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    Engine::chooseForRegisters(std::make_unique<ServerEngine>(serverOf(conninfo)));
    InitialFolder::layDown(folder.path());
    QDir::setCurrent(folder.path());
    qint64 start = 0;
    qint64 end = 0;
    int registered = 0;
    {
        auto app = ProgramRuns::newProgram();
        app->start();
        QCoreApplication::processEvents();
        const QString error = ProgramRuns::firstError(*app);
        if (!error.isEmpty())
            throw std::runtime_error(("start-up: " + error).toStdString());
        QLineEdit* box = FormRuns::openBadgeEntry(*app);
        const qsizetype boxes = app->messages().shown().size();
        while (QDateTime::currentMSecsSinceEpoch() < goAtMs)
            QThread::msleep(1);
        start = QDateTime::currentMSecsSinceEpoch();
        for (const QString& code : codes)
            FormRuns::readBadge(box, code);
        end = QDateTime::currentMSecsSinceEpoch();
        if (app->messages().shown().size() != boxes)
            throw std::runtime_error(
                ("the program said: " + app->messages().shown().last().text).toStdString());
        FormRuns::closeVolunteerForm(*app);
        RegisterProbe probe(folder.path());
        for (const QString& code : codes)
            registered += probe.isCodeRegistered(code);
    }
    QDir::setCurrent(QDir::rootPath());
    Engine::chooseForRegisters(nullptr);
    if (registered != codes.size())
        throw std::runtime_error(QStringLiteral("%1 of %2 volunteers registered")
                                     .arg(registered)
                                     .arg(codes.size())
                                     .toStdString());
    QTextStream(stdout) << start << ' ' << end << '\n';
    return 0;
}

} // namespace TwoDesks
