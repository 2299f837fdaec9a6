#include "servermeasurement.h"

#include "formmeasurement.h"
#include "platform/conninfo.h"
#include "platform/engine.h"
#include "platform/serverengine.h"
#include "servercopy.h"
#include "session.h"
#include "store/schema.h"

#include <QDir>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

// Chooses the server for the registers while it lives, the files again after.
class ServerChoice
{
public:
    explicit ServerChoice(const ConnInfo& server)
    {
        Engine::chooseForRegisters(std::make_unique<ServerEngine>(server));
    }
    ~ServerChoice() { Engine::chooseForRegisters(nullptr); }
    ServerChoice(const ServerChoice&) = delete;
    ServerChoice& operator=(const ServerChoice&) = delete;
};

Figures measureSize(
    const ConnInfo& server, const QString& label, const ArchiveSizes& sizes, const RunPlan& plan)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    Seeder::seed(folder.path(), sizes);
    const QString home = QDir::currentPath();
    Figures figures;
    {
        const ServerChoice choice(server);
        ServerCopy::clear();
        QList<RegisterFile> registers;
        for (const RegisterFile& file : Schema::registerFiles())
            if (!file.external)
                registers << file;
        Engine::registers().layDown(folder.path(), registers);
        ServerCopy::copy(folder.path());
        {
            Session session(label, folder.path(), sizes);
            FormMeasurement::measureVolunteerList({ &session }, plan);
            // Last: every read registers one more volunteer.
            FormMeasurement::measureBadgeReads({ &session }, plan);
            figures = session.figures;
        }
    }
    QDir::setCurrent(home);
    return figures;
}

} // namespace

namespace ServerMeasurement {

QString serverFromEnvironment()
{
    return qEnvironmentVariable("OSTRALE_TEST_SERVER");
}

QList<ReportRow> measure(
    const QString& conninfo, const ArchiveSizes& n, const ArchiveSizes& tenN, const RunPlan& plan)
{
    QString why;
    const std::optional<ConnInfo> server = ConnInfo::parse(conninfo, &why);
    if (!server)
        throw std::runtime_error(("OSTRALE_TEST_SERVER: " + why).toStdString());
    const Figures atN = measureSize(*server, QStringLiteral("N (server)"), n, plan);
    const Figures atTenN = measureSize(*server, QStringLiteral("10N (server)"), tenN, plan);
    return {
        { QStringLiteral("badge read (server)"), atN.badgeRead, atTenN.badgeRead, atN.badgeReadBare,
            atTenN.badgeReadBare, 2, true, 3 },
        { QStringLiteral("grouped list (server)"), atN.list, atTenN.list, atN.listBare,
            atTenN.listBare, 12, false, 3 },
    };
}

} // namespace ServerMeasurement
