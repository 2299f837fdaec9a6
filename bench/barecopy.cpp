#include "barecopy.h"

#include "sqlitehandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdexcept>
#include <unistd.h>

namespace {

// fsync of a file or a folder, as a copy that must outlive a power cut needs.
void syncToDisk(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw std::runtime_error(("fsync of " + path).toStdString());
}

} // namespace

namespace BareCopy {

void backup(const QString& from, const QString& to)
{
    QFile::remove(to);
    const SqliteHandle source(from);
    const SqliteHandle target(to);
    sqlite3_backup* copy = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    if (!copy)
        target.fail(to);
    const int rc = sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        target.fail(to);
}

void vacuum(const QString& path)
{
    const SqliteHandle file(path);
    if (sqlite3_exec(file.get(), "vacuum", nullptr, nullptr, nullptr) != SQLITE_OK)
        file.fail(path);
}

void durableCopy(const QStringList& files, const QString& folder)
{
    if (QProcess::execute(QStringLiteral("cp"), QStringList(files) << folder) != 0)
        throw std::runtime_error(("cp into " + folder).toStdString());
    for (const QString& file : files)
        syncToDisk(QDir(folder).filePath(QFileInfo(file).fileName()), O_RDONLY);
    syncToDisk(folder, O_RDONLY | O_DIRECTORY);
}

qint64 rows(const QString& path, const QString& table)
{
    const SqliteHandle file(path);
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("select count(*) from %1").arg(table).toUtf8();
    qint64 count = -1;
    if (sqlite3_prepare_v2(file.get(), sql.constData(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        count = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    if (count < 0)
        file.fail(path);
    return count;
}

} // namespace BareCopy
