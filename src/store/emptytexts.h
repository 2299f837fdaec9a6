#pragma once

class QSqlDatabase;
struct RegisterFile;

// Files written by other programs hold NULL where the desk writes an empty
// text, and an SQL "=" never matches NULL: a history record with an empty
// name could not be found again by its fields. So each register keeps NULL
// out of its text fields: the first time the desk opens a file, its NULL
// texts become empty texts, and two triggers stored in the file turn the
// NULL texts of every later insert or update (by any program) into empty
// texts too. A file that already carries the triggers is left as it is,
// so the scan runs once per file. A read-only file is only read.
namespace EmptyTexts {

void keepOutNulls(QSqlDatabase& db, const RegisterFile& file);

} // namespace EmptyTexts
