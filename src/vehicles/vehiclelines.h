#pragma once

#include <QString>

// The line of one vehicle in the vehicle list: the description in 50
// characters, then arrival date and time and departure date and time as
// stored, separated by one blank.
QString vehicleLine(const QString& descr, const QString& dataar, const QString& oraar,
    const QString& datapa, const QString& orapa);
