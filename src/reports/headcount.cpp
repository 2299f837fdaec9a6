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

QString Headcount::text(const QString& date, const QString& time)
{
    m_volunteers.sync();
    m_vehicles.sync();
    return QStringLiteral("Presenti ora: %1 volontari, %2 automezzi")
        .arg(m_volunteers.countAt(date, time))
        .arg(m_vehicles.countAt(date, time));
}
