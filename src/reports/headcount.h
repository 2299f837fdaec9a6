#pragma once

#include "staycounter.h"

#include <QString>

class Registers;

// The line under the main window's title: the volunteers and vehicles in
// the camp at this moment, by the presence rule, all camps.
class Headcount
{
public:
    explicit Headcount(Registers& r);
    // "Presenti ora: N volontari, M automezzi" at the date and time given.
    QString text(const QString& date, const QString& time);

private:
    StayCounter m_volunteers;
    StayCounter m_vehicles;
};
