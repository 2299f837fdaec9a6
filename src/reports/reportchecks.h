#pragma once

#include <QString>

// The checks "Elabora" makes on the date and time boxes of the presence and
// departure windows. Characters are compared as text, as the desk always
// has: the year is not looked at, a month 00 passes, an hour of 24 passes.

// dd/mm/yyyy with "/" in the third and sixth place, the day between "01"
// and "31" and the month not above "12".
bool isPresenceDate(const QString& text);
// hh.mm or hh:mm with the hour not above "24" and the minutes not above
// "59".
bool isReportTime(const QString& text);
