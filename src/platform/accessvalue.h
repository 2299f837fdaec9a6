#pragma once

#include <QString>

// How the values of an Access file become the texts the desk stores.
namespace AccessValue {

// A date/time value (days since 30/12/1899, the fraction the time of day) as
// "DD/MM/YYYY" when it has no time of day, "DD/MM/YYYY hh:mm" when it has one,
// and "hh:mm" alone for a time without a date (day 0). Seconds are dropped.
QString dateTimeText(double value);

// A real as a plain decimal (no exponent, "." before the decimals), with the
// fewest digits that read back as the same value: 444.555, 0.5, 3.
QString realText(double value);
QString realText(float value);

// An exact decimal as libmdb writes it ("3.5000") without the zeros ending
// its decimals ("3.5"; "2.0000" gives "2").
QString decimalText(const QString& exact);

// A yes/no value as the desk writes yes and no: "S" or "N".
QString yesNoText(bool yes);

} // namespace AccessValue
