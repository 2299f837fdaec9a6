#pragma once

#include "bareconnection.h"

#include <QSqlQuery>
#include <QString>

class QSqlRecord;

// A badge read's statements run bare, each prepared once on connections of
// the benchmark's own: the history record by its codes, the namesakes in the
// camp, the association by name (registered from the history record when it
// is new) and the volunteer's insert.
class BareBadgeRead
{
public:
    explicit BareBadgeRead(const QString& folder);

    // Whether the volunteer was registered: not when the code is unknown, or
    // a namesake would have needed the operator's answer.
    bool read(const QString& code);

private:
    void registerAssociation(const QSqlRecord& history);

    BareConnection m_history;
    BareConnection m_associations;
    BareConnection m_volunteers;
    QSqlQuery m_findHistory;
    QSqlQuery m_findNamesakes;
    QSqlQuery m_findAssociation;
    QSqlQuery m_insertAssociation;
    QSqlQuery m_insertVolunteer;
    QString m_arrivalDate;
    QString m_arrivalTime;
};
