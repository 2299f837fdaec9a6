#include "clock.h"

QDateTime Clock::current() const
{
    return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime();
}

QString Clock::dateText() const
{
    return current().toString(QStringLiteral("dd/MM/yyyy"));
}

QString Clock::timeText() const
{
    return current().toString(QStringLiteral("hh:mm"));
}
