#pragma once

#include "bareconnection.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

// The program's statements run straight through QSqlQuery on connections of
// their own, with the same journal settings: the floor the program's figures
// are compared with. Every row is still stepped through, as the program does.
class BareSql
{
public:
    explicit BareSql(const QString& folder);
    BareSql(const BareSql&) = delete;
    BareSql& operator=(const BareSql&) = delete;

    // "select * from STOR", first row only.
    bool firstHistoryRow();
    // Each association's volunteers counted into NUMVOL, in one transaction;
    // returns the volunteers counted.
    qint64 countVolunteers();
    // "select * from EMERVOL order by DENOM, COGNOME, NOME"; returns the rows.
    qint64 scanVolunteers();
    // "select * from ASSO where DENOM = ?", prepared once.
    bool findAssociation(const QString& name);

    QStringList associationNames();
    void clearCounts();
    qint64 sumOfCounts();

private:
    BareConnection m_history;
    BareConnection m_associations;
    BareConnection m_volunteers;
    QSqlQuery m_find;
};
