// The order of the conversion is what makes it safe against a crash at any
// point. For every Access register F of the folder:
//  1. its rows are written into a temporary register beside F, forced to
//     disk (F is not touched; a crash leaves F and a stray temporary file);
// then, only once every temporary register is complete:
//  2. the original gets its second name O by a hard link (or, where the file
//     system has none, by a complete copy renamed to O): F is still the
//     Access file, O the same bytes. A crash here leaves F as it was, and
//     the next start converts it again, finding O already there and taking
//     it as the original (the same file, or a copy of the same bytes) instead
//     of keeping a second copy;
//  3. the temporary register is renamed over F in one step: F is either the
//     Access file or the new register, never missing.
// So the folder never lacks F, and the next start never finds a folder it
// would take for a new one and lay empty registers down in.
#include "accessconversion.h"

#include "platform/accessfile.h"
#include "platform/databaseformat.h"
#include "platform/error.h"
#include "platform/temporarybeside.h"
#include "store/accesscopy.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The exports of the outside registry stay as they are.
const QStringList exportFiles { QStringLiteral("assoesp.mdb"), QStringLiteral("voloesp.mdb") };

bool sameFile(const QString& first, const QString& second)
{
    struct stat a
    {
    };
    struct stat b
    {
    };
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

// Whether both files hold the same bytes (a copy left by an earlier start).
bool sameContent(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Block = 1 << 16;
    while (!a.atEnd())
        if (a.read(Block) != b.read(Block))
            return false;
    return true;
}

// "emervol-access-originale.mdb", or with "-2", "-3", ... when that name is
// taken by another file. A name already holding this very file, or a copy of
// it an interrupted start left, is taken again.
QString originalName(const QDir& dir, const QString& fileName, bool* alreadyThere)
{
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName() + QStringLiteral("-access-originale");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString name
            = n == 1 ? base + suffix : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix);
        const QString path = dir.filePath(name);
        if (sameFile(path, dir.filePath(fileName))
            || (QFileInfo(path).isFile() && sameContent(path, dir.filePath(fileName)))) {
            *alreadyThere = true;
            return name;
        }
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
            *alreadyThere = false;
            return name;
        }
    }
}

// Gives the file at `from` the second name `to`, which must be free: a hard
// link, or a complete copy put in place where links are not offered.
void keepUnder(const QString& from, const QString& to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return;
    if (errno != EPERM && errno != EXDEV && errno != ENOTSUP && errno != EOPNOTSUPP
        && errno != ENOSYS)
        failWrite(to);
    TemporaryBeside copy(to);
    copy.fill([&](const QString& path) {
        QFile::remove(path);
        if (!QFile::copy(from, path))
            failWrite(to);
    });
    copy.putInPlace();
}

struct Pending
{
    QString path;
    AccessConversion::Converted names;
    bool originalThere = false;
    std::unique_ptr<TemporaryBeside> made;
};

} // namespace

namespace AccessConversion {

QList<Converted> convertFolder(const QString& folder)
{
    const QDir dir(folder);
    std::vector<Pending> pending;
    for (const RegisterFile& kind : Schema::registerFiles()) {
        if (exportFiles.contains(kind.fileName, Qt::CaseInsensitive))
            continue;
        const QString path = dir.filePath(kind.fileName);
        if (!QFileInfo(path).isFile() || !isAccessFormat(databaseFormatOfFile(path)))
            continue;
        Pending file;
        file.path = path;
        file.names.fileName = kind.fileName;
        try {
            const AccessFile access(path);
            file.made = std::make_unique<TemporaryBeside>(path);
            file.made->fill([&](const QString& target) { AccessCopy::copy(access, target, kind); });
            syncToDisk(file.made->path(), path);
        } catch (const OstraleError& error) {
            throw DbError(error.number(),
                QStringLiteral("Impossibile convertire l'archivio di Access %1, nessun archivio è "
                               "stato convertito: %2")
                    .arg(kind.fileName, error.description()));
        }
        pending.push_back(std::move(file));
    }

    // Every new register is complete: the originals get their second names,
    // and only then do the new registers take the registers' names.
    std::vector<QString> linked;
    try {
        for (Pending& file : pending) {
            file.names.originalName = originalName(dir, file.names.fileName, &file.originalThere);
            if (!file.originalThere) {
                keepUnder(file.path, dir.filePath(file.names.originalName));
                linked.push_back(dir.filePath(file.names.originalName));
            }
        }
        syncToDisk(folder, folder);
    } catch (const OstraleError& error) {
        for (const QString& name : linked)
            QFile::remove(name);
        throw DbError(error.number(),
            QStringLiteral("Impossibile conservare gli originali degli archivi di Access, nessun "
                           "archivio è stato convertito: %1")
                .arg(error.description()));
    }
    QList<Converted> converted;
    for (Pending& file : pending) {
        file.made->putInPlace();
        converted << file.names;
    }
    return converted;
}

QString message(const QList<Converted>& converted)
{
    QStringList files;
    for (const Converted& file : converted)
        files << QStringLiteral("%1 (originale conservato come %2)")
                     .arg(file.fileName, file.originalName);
    return QStringLiteral("Archivi di Access convertiti nel formato del programma: %1. Gli "
                          "originali restano nella cartella del programma.")
        .arg(files.join(QStringLiteral(", ")));
}

} // namespace AccessConversion
