#include "headcount.h"

#include "store/registers.h"
#include "store/reportqueries.h"

Headcount::Headcount(Registers& r)
    : m_volunteers(r.Data4,
        { QStringLiteral("EMERVOL"), ReportQueries::volunteerStays,
            ReportQueries::volunteerStayOfRow })
    , m_vehicles(r.Data6,
          { QStringLiteral("AUTO"), ReportQueries::vehicleStays, ReportQueries::vehicleStayOfRow })
{
}

QString Headcount::text(const QDateTime& now)
{
    // Both registers are looked at, whatever the first one says.
    const bool volunteersChanged = m_volunteers.sync();
    const bool vehiclesChanged = m_vehicles.sync();
    const bool changed = volunteersChanged || vehiclesChanged;
    const qint64 minute
        = now.date().toJulianDay() * 1440 + now.time().hour() * 60 + now.time().minute();
    if (!changed && minute == m_minute && !m_text.isEmpty())
        return m_text;
    if (minute != m_minute) {
        // As the clock gives them: "DD/MM/YYYY" and "hh:mm".
        m_minute = minute;
        m_date = now.toString(QStringLiteral("dd/MM/yyyy"));
        m_time = now.toString(QStringLiteral("hh:mm"));
    }
    m_text = QStringLiteral("Presenti ora: %1 volontari, %2 automezzi")
                 .arg(m_volunteers.countAt(m_date, m_time))
                 .arg(m_vehicles.countAt(m_date, m_time));
    return m_text;
}
