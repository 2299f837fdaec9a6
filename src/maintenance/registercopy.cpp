#include "registercopy.h"

#include "enginefile.h"
#include "platform/accessfile.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "platform/fileengine.h"
#include "platform/temporarybeside.h"
#include "store/accesscopy.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

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

void restore(const QString& source, const QString& live, const RegisterFile& kind,
    const AccessCopy::Progress& progress)
{
    if (isAccessFormat(databaseFormatOfFile(source))) {
        restoreFromAccess(source, live, kind, progress);
        return;
    }
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

void restoreFromAccess(const QString& source, const QString& live, const RegisterFile& kind,
    const AccessCopy::Progress& progress)
{
    // A password, an encryption, a damaged file or another register's table
    // are refused here, before anything is written.
    const AccessFile access(source);
    AccessCopy::checkRegister(access, kind);
    TemporaryBeside temporary(live);
    temporary.fill(
        [&](const QString& copyPath) { AccessCopy::copy(access, copyPath, kind, progress); });
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
        throw Schema::tableMissing(path, kind);
    QStringList expected;
    for (const QString& field : kind.fields)
        expected << field.toUpper();
    QStringList found;
    for (const QString& field : fields)
        found << field.toUpper();
    for (const QString& field : expected)
        if (!found.contains(field))
            throw Schema::fieldMissing(path, kind, field);
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
