#pragma once

#include <QString>

// The fixed query texts of the desk, each written once and named after what
// it selects. Values are bound to the '?' placeholders, never pasted in.
// Every text is kept exactly as the desk has always sent it: other desks'
// files and the benchmarks compare against these orders.
namespace Queries {

// Associations (asso.mdb).
inline const QString associationsTable = QStringLiteral("ASSO");
inline const QString associationsByName = QStringLiteral("select * from ASSO order by DENOM");
inline const QString associationNamed = QStringLiteral("select * from ASSO where DENOM = ?");

// Camp volunteers (emervol.mdb).
inline const QString volunteersTable = QStringLiteral("emervol");
inline const QString allVolunteers = QStringLiteral("select * from EMERVOL");
inline const QString volunteersOfAssociation
    = QStringLiteral("select * from EMERVOL where DENOM = ?");
inline const QString volunteerWithCode = QStringLiteral("select * from EMERVOL where CODVOL = ?");
inline const QString volunteersByAssociationAndName
    = QStringLiteral("select * from EMERVOL order by DENOM, COGNOME, NOME");
inline const QString volunteersOfAssociationByAssociationAndName
    = QStringLiteral("select * from EMERVOL where DENOM = ? order by DENOM, COGNOME, NOME");
inline const QString volunteersOfAssociationByName
    = QStringLiteral("select * from EMERVOL where DENOM = ? ORDER BY COGNOME, NOME");
inline const QString volunteersOfAssociationBySurnameDescending
    = QStringLiteral("select * from EMERVOL where DENOM = ? order by COGNOME desc");
inline const QString namesakesInAssociation
    = QStringLiteral("select * from EMERVOL where DENOM = ? AND COGNOME = ? AND NOME = ?");

// History archive (stor.mdb).
inline const QString historyInOrder
    = QStringLiteral("select * from STOR ORDER BY DENOM, COGN, NOME");
inline const QString historyOfAssociationInOrder
    = QStringLiteral("select * from STOR where DENOM = ? ORDER BY DENOM, COGN, NOME");
inline const QString historyAssociationNamesInOrder
    = QStringLiteral("select DENOM from STOR ORDER BY DENOM, COGN, NOME");
inline const QString historyWithCode
    = QStringLiteral("select * from STOR where CODASS = ? And CODVOL = ?");
inline const QString historyRecordMatching = QStringLiteral(
    "select * from STOR where CODASS = ? and CODVOL = ? and DENOM = ? and COGN = ? and NOME = ?");
inline const QString anyHistoryRecord = QStringLiteral("select 1 from STOR limit 1");

// Vehicles (auto.mdb).
inline const QString allVehiclesInOrder
    = QStringLiteral("select * from AUTO ORDER BY DENOM, DESCR");
inline const QString vehiclesOfAssociationByDescription
    = QStringLiteral("select * from AUTO where DENOM = ? ORDER BY DESCR");

// Badge queue (pass.mdb).
inline const QString badgeQueue = QStringLiteral("select * from PASS");

} // namespace Queries
