#pragma once

#include <QString>

// The checks of the dates and times typed in the vehicle register. Each
// answers whether its box's text is invalid, as the desk's check routines
// leave "1" in `esitocontrollo`. The format of a date is judged on its
// characters, as the desk always has (so "00/00/2024" passes and a day or
// month of one digit does not); times compare by their value, so "09.30" and
// "09:30" are the same moment.
namespace VehicleChecks {

// A date "DD/MM/YYYY" by its characters: "/" third and sixth, day not above
// "31", month not above "12", year not below "1000", compared as text.
bool isBadDateFormat(const QString& date);
// The date rearranged as yyyymmdd, for a chronological comparison.
QString sortableDate(const QString& date);

bool ctrldataarauto(const QString& dataar);
bool ctrloraarauto(const QString& oraar);
// A departure date is optional; when given it must not be before the arrival.
bool ctrldatapaauto(const QString& datapa, const QString& dataar);
// A departure time is optional; on the arrival day it must not be before the
// arrival time.
bool ctrlorapaauto(
    const QString& orapa, const QString& datapa, const QString& dataar, const QString& oraar);

// Whether the state's first letter is one the register knows: A, B, L or R,
// in either case.
bool isKnownState(const QString& state);

} // namespace VehicleChecks
