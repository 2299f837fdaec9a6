#pragma once

#include <QString>

// The fixed query texts of the vehicle gate, each written once and named
// after what it selects. Values are bound to the '?' placeholders.
namespace GateQueries {

// The gate window's volunteer and association lists.
inline const QString associationWithCode = QStringLiteral("select * from ASSO where CODASS = ?");
inline const QString volunteersBySurname
    = QStringLiteral("select * from EMERVOL order by COGNOME, NOME");
inline const QString volunteersOfAssociationBySurname
    = QStringLiteral("select * from EMERVOL where DENOM = ? order by COGNOME, NOME");

// Passages (car.mdb).
inline const QString passagesTable = QStringLiteral("CAR");
inline const QString allPassages = QStringLiteral("select * from CAR");
inline const QString passagesByEntry = QStringLiteral("select * from CAR order by DATAIN, ORAIN");
inline const QString passagesOfVolunteer = QStringLiteral("select * from CAR where CODVOL = ?");
// The open passages only, in the order of a walk of the whole table by
// entry (passages with the same entry date and time in table order). Both
// halves are found through their indexes, so the open lists cost the same
// however long the log grows. A NULL counts as empty, as it reads.
inline const QString openPassagesByEntry = QStringLiteral(
    "select * from CAR where DATAOUT = ? or DATAOUT is null or DATAIN = ? or DATAIN is null "
    "order by DATAIN, ORAIN, rowid");
inline const QString entriesWithoutExit
    = QStringLiteral("select * from CAR where DATAOUT = ? order by DATAIN, ORAIN");
inline const QString exitsWithoutEntry
    = QStringLiteral("select * from CAR where DATAIN = ? order by DATAOUT, ORAOUT");
inline const QString deleteAllPassages = QStringLiteral("delete from CAR");
inline const QString passagesByName = QStringLiteral("select * from CAR order by COGNOME");

} // namespace GateQueries

namespace GateQueries {

// The passages whose field (one of CAR's, named by the program, never by the
// operator) equals the bound value, by name.
inline QString passagesWhereByName(const QString& field)
{
    return QStringLiteral("select * from CAR  where %1 = ? order by COGNOME").arg(field);
}

} // namespace GateQueries
