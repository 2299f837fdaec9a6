#pragma once

#include <QString>

class Recordset;

// The fixed-column lines of the volunteer lists. Every line of a volunteer
// of the camp begins with his code in characters 1-10.
namespace VolunteerLines {

QString simple(const Recordset& volunteer); // code, association, surname, name, arrival
QString search(const Recordset& volunteer); // code, association, surname and name, arrival
QString grouped(const Recordset& volunteer); // code, surname and name, arrival and departure
QString history(const Recordset& record); // association, surname, name (history archive)
QString history(const QString& denom, const QString& cogn, const QString& nome);
QString total(const QString& count);
QString grandTotal(const QString& count);

} // namespace VolunteerLines
