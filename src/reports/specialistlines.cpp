#include "specialistlines.h"

#include "app/listlines.h"

void SpecialistLines::add(
    const QString& denom, const QString& surname, const QString& name, const QString& spec)
{
    ++m_count;
    if (denom != m_group) {
        m_lines << QString() << denom;
        m_group = denom;
    }
    m_lines << ListLines::field(surname + QLatin1Char(' ') + name, 50) + QStringLiteral("      ")
            + spec;
}

QStringList SpecialistLines::finished() const
{
    return m_lines
        + QStringList { QStringLiteral(" "), ListLines::total(QString::number(m_count)) };
}
