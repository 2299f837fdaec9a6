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
    static const QRegularExpression digitsOnly(QStringLiteral("^\\s*\\d+\\s*$"));
    return digitsOnly.match(text).hasMatch();
}

QString next(const QString& code, int digits)
{
    return QStringLiteral("%1").arg(code.trimmed().toLongLong() + 1, digits, 10, QLatin1Char('0'));
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
