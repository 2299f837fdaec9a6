#include "databaseformat.h"

#include <QFile>

namespace {

// An Access file starts with its header page: a page-type byte and three
// more, then the engine's name, then at 0x14 the version of the file format.
constexpr int SignatureOffset = 4;
constexpr int VersionOffset = 0x14;
const QByteArray jetSignature("Standard Jet DB\0", 16);
const QByteArray aceSignature("Standard ACE DB\0", 16);
const QByteArray sqliteSignature("SQLite format 3\0", 16);

constexpr unsigned char Jet3Version = 0x00;
constexpr unsigned char Jet4Version = 0x01;
// 0x02 Access 2007, 0x03 2010, 0x04 2013, 0x05 2016, 0x06 2019.
constexpr unsigned char FirstAceVersion = 0x02;
constexpr unsigned char LastAceVersion = 0x06;

} // namespace

DatabaseFormat databaseFormat(const QByteArray& head)
{
    if (head.startsWith(sqliteSignature))
        return DatabaseFormat::Sqlite;
    if (head.size() <= VersionOffset || head.at(0) != 0)
        return DatabaseFormat::Unknown;
    const QByteArray signature = head.mid(SignatureOffset, jetSignature.size());
    const auto version = static_cast<unsigned char>(head.at(VersionOffset));
    if (signature == jetSignature) {
        if (version == Jet3Version)
            return DatabaseFormat::Jet3;
        if (version == Jet4Version)
            return DatabaseFormat::Jet4;
    } else if (signature == aceSignature) {
        if (version >= FirstAceVersion && version <= LastAceVersion)
            return DatabaseFormat::Ace;
    }
    return DatabaseFormat::Unknown;
}

DatabaseFormat databaseFormatOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DatabaseFormat::Unknown;
    return databaseFormat(file.read(VersionOffset + 1));
}
