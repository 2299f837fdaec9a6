#pragma once

#include <QDate>
#include <QString>

class Registers;

// The checks of the dates and times the operator types, shared by every
// window that takes them. The ctrl... routines leave "0" (valid) or "1"
// (invalid) in `esitocontrollo`.

// The date an Italian operator types: day first, then month, then year,
// separated by "/", "-" or "." (the same both times); one or two digits for
// day and month, two or four for the year (two digits: 00-29 are 2000-2029,
// 30-99 are 1930-1999). It must be a real calendar date. Invalid when null.
QDate parseItalianDate(const QString& text);

// A time as the desk checks it: not empty, third character "." or ":",
// hours not above "23" and minutes not above "59", compared as text.
bool isDeskTime(const QString& text);

// `testodata` -> `esitocontrollo`, and `valoredata` when the text is a date.
// An empty text is valid and leaves `valoredata` as it was.
void ctrldata(Registers& r);
// The value of a desk time in minutes after midnight: "09.30" and "09:30"
// are the same time. -1 when the text is not a desk time.
int deskTimeMinutes(const QString& text);
// Whether desk time `a` is before desk time `b`, by value.
bool isEarlierTime(const QString& a, const QString& b);
