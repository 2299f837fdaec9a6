#include "programs.h"

#include "error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

void Programs::start(const QString& name)
{
    if (m_recording) {
        m_started << name;
        return;
    }
    QString program = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (!QFileInfo(program).isExecutable())
        program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        throw FileError(FileError::FileNotFound,
            QStringLiteral("Impossibile trovare il programma '%1'.").arg(name));
    if (!QProcess::startDetached(program, {}, QDir::currentPath()))
        throw FileError(FileError::PermissionDenied,
            QStringLiteral("Impossibile avviare il programma '%1'.").arg(name));
    m_started << name;
}

QStringList Programs::takeStarted()
{
    QStringList started;
    started.swap(m_started);
    return started;
}
