#include "mustfail.h"

#include "platform/textfile.h"
#include "textcompare.h"

#include <QFile>
#include <QRegularExpression>

namespace {

struct Announcement
{
    int line = 0;
    QString words;
};

bool readAnnouncement(const QString& fileName, Announcement* announcement)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression pattern(QStringLiteral("^#\\s*must fail at (\\d+):\\s?(.*)$"));
    const QStringList lines = TextCompare::fileLines(TextFile::decode(file.readAll()));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = pattern.match(line);
        if (match.hasMatch()) {
            announcement->line = match.captured(1).toInt();
            announcement->words = match.captured(2);
            return true;
        }
    }
    return false;
}

} // namespace

namespace MustFail {

QString verdict(const QString& fileName, const FileRunner::Result& result)
{
    Announcement announcement;
    if (!readAnnouncement(fileName, &announcement))
        return QStringLiteral("the file has no \"# must fail at LINE: MESSAGE\" line");
    if (result.passed)
        return QStringLiteral("expected a failure at line %1, found the file passing")
            .arg(announcement.line);
    if (result.line != announcement.line || !result.message.contains(announcement.words))
        return QStringLiteral("expected a failure at line %1 saying %2, found one at line %3: %4")
            .arg(announcement.line)
            .arg(TextCompare::quoted(announcement.words))
            .arg(result.line)
            .arg(result.message);
    return QString();
}

} // namespace MustFail
