#include "initialfolder.h"

#include "platform/engine.h"
#include "platform/textfile.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The text files of a new folder, taken from the program's resources.
const QStringList textFiles {
    QStringLiteral("emergenza.dat"),
    QStringLiteral("specializzazioni.dat"),
    QStringLiteral("motivazioni_carraia.txt"),
    QStringLiteral("setpass.prm"),
    QStringLiteral("prossimo_codice_associazione.txt"),
    QStringLiteral("prossimo_codice_volontario.txt"),
};

// The desk's own registers, without the TALPEX exports (always files).
QList<RegisterFile> ownRegisters()
{
    QList<RegisterFile> registers;
    for (const RegisterFile& file : Schema::registerFiles())
        if (!file.external)
            registers << file;
    return registers;
}

} // namespace

namespace InitialFolder {

QStringList programFiles()
{
    QStringList names = textFiles;
    for (const RegisterFile& file : Schema::registerFiles())
        names << file.fileName;
    names << QStringLiteral("passvol.wrk") << QStringLiteral("protciv02.txt");
    return names;
}

bool isNew(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : programFiles())
        if (QFileInfo::exists(dir.filePath(name)))
            return false;
    return true;
}

bool layDownIfNew(const QString& folder)
{
    if (!isNew(folder))
        return false;
    layDown(folder);
    return true;
}

void layDownRegisters()
{
    Engine::registers().layDown(QDir::currentPath(), ownRegisters());
}

void layDown(const QString& folder)
{
    const QDir dir(folder);
    // The TALPEX exports are always files of the folder; the desk's own
    // registers go where its engine keeps them, first: a server that cannot
    // be reached leaves the folder as it was.
    Engine::registers().layDown(folder, ownRegisters());
    QList<RegisterFile> exports;
    for (const RegisterFile& file : Schema::registerFiles())
        if (file.external)
            exports << file;
    Engine::files().layDown(folder, exports);
    for (const QString& name : textFiles) {
        QFile resource(QStringLiteral(":/initial/") + name);
        if (!resource.open(QIODevice::ReadOnly))
            continue;
        QString text = TextFile::decode(resource.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        TextFile::writeLines(dir.filePath(name), text.split(QLatin1Char('\n')));
    }
}

} // namespace InitialFolder
