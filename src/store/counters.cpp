#include "counters.h"

#include "platform/textfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace Counters {

QString read(const QString& path, int digits)
{
    QString counter;
    if (QFileInfo::exists(path))
        counter = TextFile::readFirstLine(path).trimmed();
    if (counter.isEmpty()) {
        counter = QString(digits, QLatin1Char('0'));
        write(path, counter);
    }
    return counter;
}

bool isNumber(const QString& text)
{
    static const QRegularExpression digitsOnly(QStringLiteral("^\\s*[0-9]+\\s*$"));
    return digitsOnly.match(text).hasMatch();
}

namespace {

// The digits of a number without its leading zeros ("0" for zero).
QString significant(const QString& code)
{
    const QString digits = code.trimmed();
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

} // namespace

QString next(const QString& code, int digits)
{
    // Counted on as text, digit by digit: a counter file may hold more digits
    // than any machine number, and a wrap-round would hand out a code again.
    QString number = significant(code);
    qsizetype at = number.size() - 1;
    while (at >= 0 && number[at] == QLatin1Char('9'))
        number[at--] = QLatin1Char('0');
    if (at >= 0)
        number[at] = QChar(number[at].unicode() + 1);
    else
        number.prepend(QLatin1Char('1'));
    return padded(number, digits);
}

QString padded(const QString& code, int digits)
{
    return significant(code).rightJustified(digits, QLatin1Char('0'));
}

void write(const QString& path, const QString& value)
{
    TextFile::writeLines(path, { value });
}

} // namespace Counters

CounterAdvance::CounterAdvance(QString path, const QString& next)
    : m_path(std::move(path))
    , m_previous(TextFile::readFirstLine(m_path))
{
    Counters::write(m_path, next);
}

CounterAdvance::~CounterAdvance()
{
    if (m_kept)
        return;
    try {
        Counters::write(m_path, m_previous);
    } catch (...) {
        // The record was not stored and the counter stays ahead: a gap in
        // the numbering, which is harmless.
    }
}
