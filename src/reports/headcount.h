#pragma once

#include "staycounter.h"

#include <QDateTime>
#include <QString>

class Registers;

// The line under the main window's title: the volunteers and vehicles in
// the camp at this moment, by the presence rule, all camps.
class Headcount
{
public:
    explicit Headcount(Registers& r);
    // "Presenti ora: N volontari, M automezzi" at that moment (to the
    // minute). Asked after every operation, it does no more than look at
    // the two files when nothing was committed and the minute is the same.
    QString text(const QDateTime& now);

private:
    StayCounter m_volunteers;
    StayCounter m_vehicles;
    qint64 m_minute = -1;
    QString m_date;
    QString m_time;
    QString m_text;
};
