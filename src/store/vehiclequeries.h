#pragma once

#include <QString>

// The fixed query texts of the vehicle windows (auto.mdb), each named after
// what it selects. Values are bound to the '?' placeholders, never pasted in.
namespace VehicleQueries {

inline const QString vehiclesTable = QStringLiteral("AUTO");
// The whole register in the order it was written: the grid of the list.
inline const QString allVehicles = QStringLiteral("select * from AUTO order by rowid");
// The one vehicle of an association with a description.
inline const QString vehicleNamed
    = QStringLiteral("select * from AUTO where DENOM = ? and DESCR = ?");
// The associations in the order of the register, for the search by part of the name.
inline const QString associationsInTableOrder = QStringLiteral("select * from ASSO ");

} // namespace VehicleQueries
