#pragma once

#include <QString>

// Whether a volunteer was in the camp at a date and time, as the presence
// list decides it: dates compared as yyyymmdd texts, times by their value
// ("." and ":" alike; a time that is not hh.mm is compared as text).
// An empty camp admits every camp; a missing departure is "still here".
struct PresenceQuery
{
    QString date; // dd/mm/yyyy
    QString time; // as typed, hh.mm or hh:mm
    QString camp; // "" for all camps
};

struct PresenceRecord
{
    QString camp;
    QString arrivalDate;
    QString arrivalTime;
    QString departureDate;
    QString departureTime;
};

bool isPresent(const PresenceRecord& record, const PresenceQuery& query);
