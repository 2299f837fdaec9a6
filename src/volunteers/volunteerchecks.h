#pragma once

#include "app/datetimechecks.h"

#include <QString>

class App;

// The checks of the volunteer form's times. Each leaves "0" (valid) or "1"
// (invalid) in `esitocontrollo`.

// The arrival time of the volunteer form.
void ctrloraarvol(App& app, const QString& oraar);
// The departure time: valid when empty; otherwise a desk time, and not
// before the arrival time (by value) on the same date text.
void ctrlorapavol(App& app, const QString& orapa, const QString& datapa, const QString& dataar,
    const QString& oraar);
