#include "scriptparser.h"

#include "stepfailure.h"

namespace {

const QChar endMark(0x00B6); // '¶'

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString quotedArgument(const QString& line, qsizetype& i, int lineNumber)
{
    QString arg;
    ++i; // the opening quote
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            ++i;
            if (i < line.size() && !isBlank(line[i]))
                throw SyntaxError {
                    lineNumber,
                    QStringLiteral("a blank must follow the closing quote at column %1").arg(i + 1)
                };
            return arg;
        }
        if (c == QLatin1Char('\\') && i + 1 < line.size()
            && (line[i + 1] == QLatin1Char('"') || line[i + 1] == QLatin1Char('\\'))) {
            arg += line[i + 1];
            i += 2;
            continue;
        }
        arg += c;
        ++i;
    }
    throw SyntaxError { lineNumber, QStringLiteral("a quoted argument has no closing quote") };
}

} // namespace

namespace ScriptParser {

QStringList splitLine(const QString& line, int lineNumber, QList<bool>* quoted)
{
    QStringList args;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;
        if (line[i] == QLatin1Char('"')) {
            args << quotedArgument(line, i, lineNumber);
            if (quoted)
                *quoted << true;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        args << line.mid(start, i - start);
        if (quoted)
            *quoted << false;
    }
    return args;
}

QList<Step> parse(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // A file ending in a line end has no extra, empty, line after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);

    QList<Step> steps;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;

        Step step;
        step.line = i + 1;
        step.source = trimmed;
        QList<bool> quoted;
        QStringList words = splitLine(line, step.line, &quoted);
        step.keyword = words.takeFirst();
        // The block opener is the last word, written without quotes.
        const QString last = words.isEmpty() ? QString() : words.last();
        if (words.size() > 0 && !quoted.last() && last.startsWith(QLatin1String("<<"))
            && last.size() > 2) {
            words.removeLast();
            const QString end = last.mid(2);
            step.hasBlock = true;
            int k = i + 1;
            for (; k < lines.size() && lines[k] != end; ++k) {
                QString blockLine = lines[k];
                if (blockLine.endsWith(endMark))
                    blockLine.chop(1);
                step.block << blockLine;
            }
            if (k >= lines.size())
                throw SyntaxError { step.line,
                    QStringLiteral("the block has no closing line \"%1\"").arg(end) };
            i = k;
        }
        step.args = words;
        steps << step;
    }
    return steps;
}

} // namespace ScriptParser
