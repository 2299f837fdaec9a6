#pragma once

#include <QString>
#include <QStringList>

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

// TALPEX's export tables (ASSO of assoesp.mdb, VOLO of voloesp.mdb): how
// many rows one holds, and the named fields of all its rows in table order
// (the import groups and orders them itself).
inline QString exportCount(const QString& table)
{
    return QStringLiteral("select count(*) as N from %1").arg(table);
}
inline QString exportRows(const QString& table, const QStringList& fields)
{
    return QStringLiteral("select %1 from %2").arg(fields.join(QStringLiteral(", ")), table);
}

} // namespace HistoryQueries
