#pragma once

#include <QString>

// The fixed query texts of the camp reports. Values are bound to the '?'
// placeholders, never pasted in.
namespace ReportQueries {

// The fields that decide whether a volunteer or a vehicle is in the camp,
// with the row that holds them.
inline const QString volunteerStays
    = QStringLiteral("select rowid, DATAAR, ORAAR, DATAPA, ORAPA from EMERVOL");
inline const QString volunteerStayOfRow
    = QStringLiteral("select rowid, DATAAR, ORAAR, DATAPA, ORAPA from EMERVOL where rowid = ?");
inline const QString vehicleStays
    = QStringLiteral("select rowid, DATAAR, ORAAR, DATAPA, ORAPA from AUTO");
inline const QString vehicleStayOfRow
    = QStringLiteral("select rowid, DATAAR, ORAAR, DATAPA, ORAPA from AUTO where rowid = ?");

// Changes made through the program's own connection to a register are
// noted, row by row, in a table of that connection's temporary database;
// the headcount reads and empties it.
// The notes live in memory: set before the table is made (setting it later
// would drop the temporary tables).
inline const QString temporaryTablesInMemory = QStringLiteral("pragma temp_store = memory");
inline const QString changedRowsTable = QStringLiteral(
    "create temp table if not exists ostrale_changed_rows (id integer primary key)");
inline const QString changedRows = QStringLiteral("select id from temp.ostrale_changed_rows");
inline const QString forgetChangedRows = QStringLiteral("delete from temp.ostrale_changed_rows");
// The connection's data version, which moves only when another connection
// commits to the file, and the rows changed through the connection itself.
inline const QString connectionVersions
    = QStringLiteral("select data_version, total_changes() from pragma_data_version");
// %1 is the register's table, one of the program's own fixed names.
inline const QString noteInsertedRows = QStringLiteral(
    "create temp trigger if not exists ostrale_inserted_%1 after insert on main.%1 begin "
    "insert or ignore into ostrale_changed_rows values (new.rowid); end");
inline const QString noteUpdatedRows = QStringLiteral(
    "create temp trigger if not exists ostrale_updated_%1 after update on main.%1 begin "
    "insert or ignore into ostrale_changed_rows values (old.rowid); "
    "insert or ignore into ostrale_changed_rows values (new.rowid); end");
inline const QString noteDeletedRows = QStringLiteral(
    "create temp trigger if not exists ostrale_deleted_%1 after delete on main.%1 begin "
    "insert or ignore into ostrale_changed_rows values (old.rowid); end");

} // namespace ReportQueries
