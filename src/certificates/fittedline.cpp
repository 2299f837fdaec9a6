#include "fittedline.h"

#include "platform/printer.h"

namespace {

// Steps in which the size comes down: small enough that the line ends up
// close to the width, large enough to keep to a few measurements.
constexpr double SizeStep = 0.5;

bool fits(const Printer& printer, const QString& text, int width)
{
    return printer.textWidth(text) <= width;
}

// The longest start of the word that fits, at least one character, so that
// even a width narrower than one letter makes progress.
qsizetype fittingPrefix(const Printer& printer, const QString& word, int width)
{
    qsizetype length = 1;
    while (length < word.size() && fits(printer, word.left(length + 1), width))
        ++length;
    return length;
}

QStringList wrap(const Printer& printer, const QString& text, int width)
{
    QStringList lines;
    QString current;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (fits(printer, joined, width)) {
            current = joined;
            continue;
        }
        if (!current.isEmpty())
            lines << current;
        while (!fits(printer, word, width)) {
            const qsizetype length = fittingPrefix(printer, word, width);
            lines << word.left(length);
            word.remove(0, length);
        }
        current = word;
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

} // namespace

FittedLine FittedLine::fit(
    Printer& printer, const QString& text, int width, double size, double floor)
{
    FittedLine fitted;
    fitted.size = size;
    printer.setFontSize(size);
    while (!fits(printer, text, width) && fitted.size > floor) {
        fitted.size = std::max(floor, fitted.size - SizeStep);
        printer.setFontSize(fitted.size);
    }
    fitted.lines = fits(printer, text, width) ? QStringList { text } : wrap(printer, text, width);
    return fitted;
}
