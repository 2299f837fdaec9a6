#pragma once

#include <QDate>
#include <QString>

class App;

// The checks of the dates and times typed in the volunteer windows. Each
// leaves "0" (valid) or "1" (invalid) in `esitocontrollo`.

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
void ctrldata(App& app);
// The arrival time of the volunteer form.
void ctrloraarvol(App& app, const QString& oraar);
// The departure time: valid when empty; otherwise a desk time, and not
// before the arrival time on the same date text.
void ctrlorapavol(App& app, const QString& orapa, const QString& datapa, const QString& dataar,
    const QString& oraar);
