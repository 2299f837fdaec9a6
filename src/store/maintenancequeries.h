#pragma once

#include <QString>

// The fixed texts of the archive maintenance: the reset empties a register
// in one statement and reads it again with the desk's own record source.
namespace MaintenanceQueries {

inline const QString allAssociations = QStringLiteral("select * from ASSO");
inline const QString allVolunteers = QStringLiteral("select * from EMERVOL");
inline const QString allVehicles = QStringLiteral("select * from AUTO");

inline const QString emptyAssociations = QStringLiteral("delete from ASSO");
inline const QString emptyVolunteers = QStringLiteral("delete from EMERVOL");
inline const QString emptyVehicles = QStringLiteral("delete from AUTO");

} // namespace MaintenanceQueries
