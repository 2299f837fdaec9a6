#include "temporarybeside.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

void removeJournals(const QString& path)
{
    for (const char* suffix : { "-journal", "-wal", "-shm" })
        QFile::remove(path + QLatin1String(suffix));
}

// The mode a file of the program gets when it is created: what the
// process's file-creation mask leaves of read and write for everyone.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void failWrite(const QString& path)
{
    const int code = errno;
    if (code == ENOSPC)
        throw FileError(
            61, QStringLiteral("Disco pieno: spazio insufficiente per scrivere '%1'.").arg(path));
    if (code == EACCES || code == EROFS || code == EPERM)
        throw FileError(FileError::PermissionDenied,
            QStringLiteral("Permesso negato: impossibile scrivere '%1'.").arg(path));
    if (code == ENOENT || code == ENOTDIR)
        throw FileError(FileError::PathNotFound,
            QStringLiteral("Impossibile trovare il percorso di '%1'.").arg(path));
    throw FileError(
        57, QStringLiteral("Errore di I/O del dispositivo su '%1': %2").arg(path, errnoText()));
}

void syncToDisk(const QString& path, const QString& reportedAs)
{
    const QByteArray name = QFile::encodeName(path);
    const bool folder = QFileInfo(path).isDir();
    const int fd = ::open(name.constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0)
        failWrite(reportedAs);
    const int rc = ::fsync(fd);
    const int code = errno;
    ::close(fd);
    errno = code;
    if (rc != 0)
        failWrite(reportedAs);
}

TemporaryBeside::TemporaryBeside(const QString& target)
    : m_target(target)
    , m_folder(QFileInfo(target).absolutePath())
    , m_file(QFileInfo(target).absoluteFilePath() + QStringLiteral(".XXXXXX.tmp"))
{
    if (!QFileInfo(m_folder).isDir()) {
        errno = ENOENT;
        failWrite(target);
    }
    if (!m_file.open()) {
        errno = QFileInfo(m_folder).isWritable() ? ENOSPC : EACCES;
        failWrite(target);
    }
    m_path = m_file.fileName();
    m_file.close();
}

TemporaryBeside::~TemporaryBeside()
{
    if (!m_placed)
        removeJournals(m_path);
}

void TemporaryBeside::putInPlace()
{
    // The temporary file was made private; the file that takes the
    // target's place gets the target's mode, or a new file's.
    struct stat replaced
    {
    };
    const QByteArray from = QFile::encodeName(m_path);
    const QByteArray to = QFile::encodeName(m_target);
    const mode_t mode
        = ::stat(to.constData(), &replaced) == 0 ? replaced.st_mode & 07777 : newFileMode();
    if (::chmod(from.constData(), mode) != 0)
        failWrite(m_target);
    syncToDisk(m_path, m_target);
    // rename() replaces the target in one step: a crash leaves the old
    // file or the new one, never a mix.
    if (std::rename(from.constData(), to.constData()) != 0)
        failWrite(m_target);
    m_placed = true;
    m_file.setAutoRemove(false);
    syncToDisk(m_folder, m_folder);
}
