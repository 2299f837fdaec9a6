#include "volunteerlines.h"

#include "app/listlines.h"
#include "platform/recordset.h"

using ListLines::field;

namespace {

QString value(const Recordset& record, const char* name)
{
    return record.field(QString::fromLatin1(name));
}

QString fullName(const Recordset& volunteer)
{
    return value(volunteer, "COGNOME") + QLatin1Char(' ') + value(volunteer, "NOME");
}

} // namespace

namespace VolunteerLines {

QString simple(const Recordset& v)
{
    return field(value(v, "CODVOL"), 10) + QLatin1Char(' ') + field(value(v, "DENOM"), 50)
        + QLatin1Char(' ') + value(v, "COGNOME") + QLatin1Char(' ') + value(v, "NOME")
        + QLatin1Char(' ') + value(v, "DATAAR");
}

QString search(const Recordset& v)
{
    return field(value(v, "CODVOL"), 10) + QLatin1Char(' ') + field(value(v, "DENOM"), 50)
        + QLatin1Char(' ') + field(fullName(v), 50) + QLatin1Char(' ') + value(v, "DATAAR");
}

QString grouped(const Recordset& v)
{
    return field(value(v, "CODVOL"), 10) + QLatin1Char(' ') + field(fullName(v), 50)
        + QLatin1Char(' ') + value(v, "DATAAR") + QLatin1Char(' ') + value(v, "ORAAR")
        + QLatin1Char(' ') + value(v, "DATAPA") + QLatin1Char(' ') + value(v, "ORAPA");
}

QString history(const QString& denom, const QString& cogn, const QString& nome)
{
    return field(denom, 50) + QLatin1Char(' ') + cogn + QLatin1Char(' ') + nome;
}

QString history(const Recordset& r)
{
    return history(value(r, "DENOM"), value(r, "COGN"), value(r, "NOME"));
}

QString total(const QString& count)
{
    return ListLines::total(count);
}

QString grandTotal(const QString& count)
{
    return field(QStringLiteral("TOTALE GENERALE"), 50) + QLatin1Char(' ') + count;
}

} // namespace VolunteerLines
