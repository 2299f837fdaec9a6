#include "registercopy.h"

#include "enginefile.h"
#include "platform/fileengine.h"
#include "platform/error.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void failWrite(const QString& path)
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

// Forces what was written to a file or a folder onto the disk; a failure
// names `reportedAs`.
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

// A temporary file beside a target, in the target's folder so that the
// rename that puts it in place cannot cross file systems. It is removed with
// its journals unless it was put in place. Failures while it is filled and
// put in place name the target, the file the operator knows.
class TemporaryBeside
{
public:
    explicit TemporaryBeside(const QString& target)
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
    ~TemporaryBeside()
    {
        if (!m_placed)
            removeJournals(m_path);
    }
    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;

    // Runs work on the temporary file; a failure it throws is told of the
    // target instead.
    template <typename Work> void fill(Work work) const
    {
        try {
            work(m_path);
        } catch (const DbError& failure) {
            throw DbError(failure.number(), failure.description().replace(m_path, m_target));
        } catch (const FileError& failure) {
            throw FileError(failure.number(), failure.description().replace(m_path, m_target));
        }
    }

    void putInPlace()
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

private:
    QString m_target;
    QString m_folder;
    QTemporaryFile m_file;
    QString m_path;
    bool m_placed = false;
};

// Lets go of the journal of a live register before another file takes its
// place: a write-ahead log left beside it would be replayed into the new
// file. The switch succeeds only when no other connection has the file open.
void releaseJournal(const QString& live)
{
    if (!QFileInfo(live).isFile())
        return;
    EngineFile file(live, EngineFile::ReadWrite);
    const QStringList mode = file.column("pragma journal_mode=DELETE");
    if (mode.value(0).compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        throw DbError(
            3045, QStringLiteral("Impossibile utilizzare il file '%1': è già in uso.").arg(live));
    file.close();
    QFile::remove(live + QStringLiteral("-shm"));
}

// The engine's online backup of `from` into the empty file `to`.
void backupInto(EngineFile& from, const QString& to, bool selfContained)
{
    // The copy is not in its place yet: it is forced to disk once, whole,
    // before it is renamed, so the engine need not sync it along the way.
    EngineFile target(to, EngineFile::ReadWrite);
    target.exec("pragma synchronous=OFF");
    sqlite3_backup* backup = sqlite3_backup_init(target.handle(), "main", from.handle(), "main");
    if (!backup)
        target.fail(sqlite3_extended_errcode(target.handle()));
    int rc = SQLITE_OK;
    for (int attempt = 0; attempt < 50; ++attempt) {
        rc = sqlite3_backup_step(backup, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        sqlite3_sleep(20);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        target.fail(rc);
    target.close();
    // A saved file carries no journal beside it, so it travels alone. The
    // copy took the source's write-ahead mode with its pages: opened anew it
    // is in that mode and can leave it.
    if (selfContained) {
        EngineFile saved(to, EngineFile::ReadWrite);
        saved.exec("pragma synchronous=OFF");
        saved.exec("pragma journal_mode=DELETE");
        saved.close();
    }
}

// Throws, naming `reportedAs`, unless the engine finds the file's pages whole.
void requireIntact(const QString& path, const QString& reportedAs)
{
    EngineFile file(path, EngineFile::ReadOnly);
    if (file.column("pragma quick_check") != QStringList { QStringLiteral("ok") })
        throw DbError(
            DbError::Damaged, QStringLiteral("Il file '%1' è danneggiato.").arg(reportedAs));
    file.close();
}

} // namespace

namespace RegisterCopy {

void copy(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        throw DbError(
            DbError::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(source));
    TemporaryBeside temporary(target);
    temporary.fill([&](const QString& copyPath) {
        EngineFile from(source, EngineFile::ReadWrite);
        backupInto(from, copyPath, true);
        from.close();
        // The online backup copies pages as they are: a damaged register
        // would give a damaged copy, which must not take the place of a good one.
        requireIntact(copyPath, source);
    });
    temporary.putInPlace();
}

void restore(const QString& source, const QString& live, const RegisterFile& kind)
{
    checkRegister(source, kind);
    TemporaryBeside temporary(live);
    temporary.fill([&](const QString& copyPath) {
        EngineFile from(source, EngineFile::ReadOnly);
        backupInto(from, copyPath, false);
        from.close();
        // A file saved by an older desk may lack a key or an index the
        // lookups need; a key the saved records break refuses the restore here.
        FileEngine::createRegister(copyPath, kind);
    });
    releaseJournal(live);
    temporary.putInPlace();
}

void checkRegister(const QString& path, const RegisterFile& kind)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw DbError(
            DbError::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    // The engine takes an empty file for an empty database.
    if (info.size() == 0)
        throw DbError(DbError::NotADatabase,
            QStringLiteral("Formato di database non riconosciuto '%1'.").arg(path));
    requireIntact(path, path);
    EngineFile file(path, EngineFile::ReadOnly);
    const QStringList fields = file.column("select name from pragma_table_info(?)", kind.table);
    if (fields.isEmpty())
        throw DbError(DbError::TableNotFound,
            QStringLiteral("Il file '%1' non contiene la tabella %2: non è un archivio '%3'.")
                .arg(path, kind.table, kind.fileName));
    QStringList expected;
    for (const QString& field : kind.fields)
        expected << field.toUpper();
    QStringList found;
    for (const QString& field : fields)
        found << field.toUpper();
    if (found != expected)
        throw DbError(DbError::ItemNotFound,
            QStringLiteral("I campi della tabella %2 nel file '%1' non sono quelli di un "
                           "archivio '%3'.")
                .arg(path, kind.table, kind.fileName));
    file.close();
}

void compact(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw DbError(
            DbError::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    TemporaryBeside temporary(path);
    releaseJournal(path);
    temporary.fill([&](const QString& copyPath) {
        EngineFile file(path, EngineFile::ReadWrite);
        file.exec("vacuum into ?", copyPath);
        file.close();
    });
    temporary.putInPlace();
}

bool sameFile(const QString& first, const QString& second)
{
    struct stat a
    {
    };
    struct stat b
    {
    };
    if (::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    return QDir::cleanPath(QFileInfo(first).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(second).absoluteFilePath());
}

} // namespace RegisterCopy
