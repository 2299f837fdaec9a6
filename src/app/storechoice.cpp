#include "storechoice.h"

#include "platform/conninfo.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

StoreChoice StoreChoice::fromArguments(const QStringList& arguments, const QString& defaultFolder)
{
    StoreChoice choice;
    QString folder;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--server")) {
            if (i + 1 >= arguments.size()) {
                choice.m_refusal = QStringLiteral(
                    "Dopo --server va indicata la stringa di connessione al server.");
                return choice;
            }
            choice.m_fromCommandLine = true;
            choice.useServer(arguments.at(++i), QStringLiteral("--server"));
            if (!choice.m_refusal.isEmpty())
                return choice;
        } else if (folder.isEmpty()) {
            folder = argument;
        }
    }
    choice.m_keepInFolder = choice.m_fromCommandLine && !folder.isEmpty();
    choice.m_folder = folder.isEmpty() ? defaultFolder : QDir(folder).absolutePath();
    return choice;
}

void StoreChoice::useServer(const QString& text, const QString& source)
{
    QString why;
    const std::optional<ConnInfo> info = ConnInfo::parse(text, &why);
    if (!info) {
        m_refusal = QStringLiteral("%1 (%2)").arg(why, source);
        return;
    }
    m_conninfo = info->text();
}

void StoreChoice::readSetting()
{
    if (m_fromCommandLine || !m_refusal.isEmpty())
        return;
    const QString path = QDir(m_folder).filePath(QLatin1String(SettingFile));
    if (!QFileInfo::exists(path))
        return;
    try {
        useServer(TextFile::readFirstLine(path), path);
    } catch (const OstraleError& error) {
        m_refusal = errorText(error);
    }
}

void StoreChoice::keepSetting() const
{
    if (m_keepInFolder)
        TextFile::writeLines(QDir(m_folder).filePath(QLatin1String(SettingFile)), { m_conninfo });
}
