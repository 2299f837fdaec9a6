#pragma once

#include <QString>

class Registers;

// The departure of an association, or of all of them ("*" in `denomass`):
// every volunteer and every vehicle of it gets the departure date and time
// where its own are still empty. The two fields are filled separately, so a
// record with a departure date but no time receives only the time.
//
// Each file changes in one transaction, and both are committed only after
// both were written: a failure anywhere before leaves both files as they
// were. Filling only empty fields makes a second run harmless, so if the
// vehicles' commit ever failed after the volunteers', running the same
// departure again completes it.
void registraPartenza(Registers& r, const QString& date, const QString& time);
