#include "textcompare.h"

namespace {

// A block as the scenario writes it, indented; an empty line or one ending
// in a blank gets its end mark, so the blank shows.
QString showBlock(const QStringList& lines)
{
    if (lines.isEmpty())
        return QStringLiteral("    (no lines)\n");
    QString out;
    for (const QString& line : lines) {
        out += QStringLiteral("    ") + line;
        if (line.isEmpty() || line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\t')))
            out += QChar(0x00B6);
        out += QLatin1Char('\n');
    }
    return out;
}

QString lineCount(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count);
}

} // namespace

namespace TextCompare {

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QStringList fileLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

QString differences(const QStringList& expected, const QStringList& found)
{
    if (expected == found)
        return QString();
    qsizetype first = 0;
    while (first < expected.size() && first < found.size() && expected[first] == found[first])
        ++first;
    QString where;
    if (first < expected.size() && first < found.size())
        where = QStringLiteral("line %1 differs: expected %2, found %3")
                    .arg(first + 1)
                    .arg(quoted(expected[first]), quoted(found[first]));
    else if (first < expected.size())
        where = QStringLiteral("expected %1, found %2")
                    .arg(lineCount(expected.size()), lineCount(found.size()));
    else
        where = QStringLiteral("expected %1, found %2, the first extra one %3")
                    .arg(lineCount(expected.size()), lineCount(found.size()), quoted(found[first]));
    return where + QStringLiteral("\n  expected:\n") + showBlock(expected)
        + QStringLiteral("  found:\n") + showBlock(found);
}

} // namespace TextCompare
