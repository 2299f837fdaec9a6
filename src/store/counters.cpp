#include "counters.h"

#include "platform/counterrows.h"
#include "platform/database.h"
#include "platform/datacontrol.h"
#include "platform/engine.h"
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

namespace {

// The counter's row name: its file's name without the extension.
QString rowName(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

} // namespace

QString read(Database& registers, const QString& path, int digits)
{
    if (!registers.engine().keepsCounters())
        return read(path, digits);
    const QString counter = CounterRows::read(registers, rowName(path)).trimmed();
    return counter.isEmpty() ? QString(digits, QLatin1Char('0')) : counter;
}

void reset(Database& registers, const QString& path, const QString& value)
{
    if (registers.engine().keepsCounters())
        CounterRows::write(registers, rowName(path), value);
    else
        write(path, value);
}

void write(const QString& path, const QString& value)
{
    TextFile::writeLines(path, { value });
}

} // namespace Counters

CounterAdvance::CounterAdvance(
    DataControl& records, QString path, const QString& shown, int digits, Source source)
    : m_path(std::move(path))
    , m_number(shown)
{
    Database& database = records.database();
    if (database.engine().keepsCounters()) {
        m_inFile = false;
        const QString current = CounterRows::lock(database, Counters::rowName(m_path)).trimmed();
        // A line that is no number (none is written here) leaves the one
        // shown, which the form has checked.
        if (source == Counted && current.isEmpty())
            m_number = QString(digits, QLatin1Char('0'));
        else if (source == Counted && Counters::isNumber(current))
            m_number = current;
        m_next = Counters::next(m_number, digits);
        CounterRows::write(database, Counters::rowName(m_path), m_next);
        return;
    }
    m_previous = TextFile::readFirstLine(m_path);
    m_next = Counters::next(m_number, digits);
    Counters::write(m_path, m_next);
}

CounterAdvance::~CounterAdvance()
{
    // The caller's rollback takes a counter row back with the record.
    if (m_kept || !m_inFile)
        return;
    try {
        Counters::write(m_path, m_previous);
    } catch (...) {
        // The record was not stored and the counter stays ahead: a gap in
        // the numbering, which is harmless.
    }
}
