#include "setpassfile.h"

#include "platform/textfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

QStringList itemsOf(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    return TextFile::readItems(path);
}

} // namespace

namespace SetPass {

QStringList defaultTexts()
{
    return { QStringLiteral("1630"), QStringLiteral("2110"), QStringLiteral("2650"),
        QStringLiteral("3150"), QStringLiteral("5530"), QStringLiteral("6050"),
        QStringLiteral("6570"), QStringLiteral("7070"), QStringLiteral("9420"),
        QStringLiteral("9890"), QStringLiteral("10394"), QStringLiteral("10920"),
        QStringLiteral("13350"), QStringLiteral("13780"), QStringLiteral("14250"),
        QStringLiteral("14800") };
}

QStringList readFirstRecord(const QString& path)
{
    const QStringList items = itemsOf(path);
    return items.size() < ValueCount ? defaultTexts() : items.mid(0, ValueCount);
}

QList<double> readForPrinting(const QString& path)
{
    const QStringList items = itemsOf(path);
    const qsizetype records = items.size() / ValueCount;
    const QStringList record
        = records == 0 ? defaultTexts() : items.mid((records - 1) * ValueCount, ValueCount);
    QList<double> values;
    for (const QString& item : record)
        values << numberValue(item);
    return values;
}

void write(const QString& path, const QStringList& texts)
{
    TextFile::writeLines(path, { texts.join(QLatin1Char(',')) });
}

double numberValue(const QString& text)
{
    static const QRegularExpression leadingNumber(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    const QRegularExpressionMatch match = leadingNumber.match(compact);
    return match.hasMatch() ? match.captured().toDouble() : 0.0;
}

} // namespace SetPass
