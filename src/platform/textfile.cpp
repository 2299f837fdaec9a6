#include "textfile.h"

#include "error.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F.
const char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

FileError badName()
{
    return FileError(FileError::BadFileName,
        QStringLiteral("Nome di file non valido: il percorso del file non è stato impostato."));
}

FileError openError(const QFile& file)
{
    const QString path = file.fileName();
    if (path.isEmpty())
        return badName();
    if (!QFileInfo::exists(path)) {
        if (!QFileInfo(path).absoluteDir().exists())
            return FileError(FileError::PathNotFound,
                QStringLiteral("Impossibile trovare il percorso '%1'.").arg(path));
        return FileError(FileError::FileNotFound,
            QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    }
    return FileError(FileError::PermissionDenied,
        QStringLiteral("Autorizzazione negata sul file '%1'.").arg(path));
}

FileError writeError(const QString& path)
{
    if (path.isEmpty())
        return badName();
    if (!QFileInfo(path).absoluteDir().exists())
        return FileError(FileError::PathNotFound,
            QStringLiteral("Impossibile trovare il percorso '%1'.").arg(path));
    return FileError(FileError::PermissionDenied,
        QStringLiteral("Autorizzazione negata: impossibile scrivere il file '%1'.").arg(path));
}

QByteArray readBytes(const QString& path)
{
    if (path.isEmpty())
        throw badName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw openError(file);
    return file.readAll();
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

namespace TextFile {

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x80 && byte < 0xA0) ? QChar(windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = char(u);
        } else {
            for (int i = 0; i < 32; ++i)
                if (windows1252High[i] == u)
                    out = char(0x80 + i);
        }
        bytes += out;
    }
    return bytes;
}

QString readAll(const QString& path)
{
    return decode(readBytes(path));
}

QStringList readLines(const QString& path)
{
    QString text = readAll(path);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString readFirstLine(const QString& path)
{
    const QStringList lines = readLines(path);
    return lines.isEmpty() ? QString() : lines.first();
}

QStringList splitItems(const QString& text)
{
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isLineEnd = [&](qsizetype k) { return text[k] == QLatin1Char('\n') || text[k] == QLatin1Char('\r'); };
    auto skipLineEnd = [&]() {
        if (i < n && text[i] == QLatin1Char('\r'))
            ++i;
        if (i < n && text[i] == QLatin1Char('\n'))
            ++i;
    };
    while (i < n) {
        // Leading blanks and tabs of an item are skipped; blank lines give no item.
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
        if (i >= n)
            break;
        if (isLineEnd(i)) {
            skipLineEnd();
            continue;
        }
        QString item;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n && text[i] != QLatin1Char('"') && !isLineEnd(i))
                item += text[i++];
            if (i < n && text[i] == QLatin1Char('"'))
                ++i;
            // Whatever follows the closing quote up to the delimiter is dropped.
            while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(i))
                ++i;
        } else {
            while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(i))
                item += text[i++];
            // Trailing blanks before the delimiter do not belong to the item.
            while (item.endsWith(QLatin1Char(' ')) || item.endsWith(QLatin1Char('\t')))
                item.chop(1);
        }
        items << item;
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            // A comma at the end of a line leaves one more, empty, item.
            qsizetype k = i;
            while (k < n && (text[k] == QLatin1Char(' ') || text[k] == QLatin1Char('\t')))
                ++k;
            if (k >= n || isLineEnd(k)) {
                items << QString();
                i = k;
                skipLineEnd();
            }
        } else {
            skipLineEnd();
        }
    }
    return items;
}

QStringList readItems(const QString& path)
{
    return splitItems(readAll(path));
}

void writeLines(const QString& path, const QStringList& lines)
{
    if (path.isEmpty())
        throw badName();
    QSaveFile file(path);
    // A read-only file stays read-only: the rename must not get round it.
    if (QFileInfo(path).exists() && !QFileInfo(path).isWritable())
        throw writeError(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path);
    file.write(encodeLines(lines));
    if (!file.commit())
        throw writeError(path);
}

void appendLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw writeError(path);
    const QByteArray bytes = encodeLines(lines);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw writeError(path);
}

void truncate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw writeError(path);
}

} // namespace TextFile
