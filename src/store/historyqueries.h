#pragma once

#include <QString>

// The fixed query texts of the history windows and updates (stor.mdb, and
// the TALPEX export files assoesp.mdb and voloesp.mdb), each named after
// what it selects. Values are bound to the '?' placeholders, never pasted in.
namespace HistoryQueries {

// One association's history records, in surname and name order.
inline const QString historyOfAssociationByName
    = QStringLiteral("select * from STOR where DENOM = ? ORDER BY COGN, NOME");
// The history records of a volunteer: association, surname and name.
inline const QString historyOfVolunteer
    = QStringLiteral("select * from STOR where DENOM = ? and COGN = ? and NOME = ?");
// Every history record of an association, to be replaced.
inline const QString historyOfAssociation = QStringLiteral("select * from STOR where DENOM = ?");
inline const QString deleteHistoryOfAssociation
    = QStringLiteral("delete from STOR where DENOM = ?");
inline const QString insertHistoryRecord
    = QStringLiteral("insert into STOR (CODASS, CODVOL, DENOM, INDIR, CAP, CITTA, PROV, TEL, FAX, "
                     "MAIL, COGN, NOME, SPEC) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

// The camp's volunteers (emervol.mdb), for the progress of the update.
inline const QString volunteerCount = QStringLiteral("select count(*) as N from EMERVOL");

// TALPEX: its associations (assoesp.mdb) and its volunteers (voloesp.mdb).
inline const QString talpexAssociationsByName = QStringLiteral("select * from ASSO order by DENOM");
inline const QString talpexAssociationCount = QStringLiteral("select count(*) as N from ASSO");
// The export's volunteers in table order, read once and grouped by the
// program (the fields in the order it takes them).
inline const QString talpexVolunteers
    = QStringLiteral("select CODASS, CODVOL, COGN, NOME, SPEC from VOLO");
inline const QString talpexVolunteerCount = QStringLiteral("select count(*) as N from VOLO");

} // namespace HistoryQueries
