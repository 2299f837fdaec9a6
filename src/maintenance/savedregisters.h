#pragma once

#include <QList>
#include <QString>

class DataControl;
class Registers;

// The four registers that are saved and restored, in the order the
// operations take them, with their dialog titles and messages.
struct SavedRegister
{
    DataControl& (*connection)(Registers&);
    QString liveFile; // "asso.mdb"
    QString recordSource; // the connection's record source once the file is back
    QString offeredName; // "assosalvo.mdb"
    QString backupTitle;
    QString restoreTitle;
    QString restoreQuestion;
    QString savedMessage;
    QString restoredMessage;
};

namespace SavedRegisters {

const QList<SavedRegister>& all();

// The message that refuses the live file itself as a copy's other end.
QString sameFileMessage();

// The live file's full name in the program folder.
QString livePath(const Registers& registers, const SavedRegister& saved);

// Makes the program folder current again and points the connection at the
// live file with its record source, reading it at once.
void reopen(Registers& registers, const SavedRegister& saved);

} // namespace SavedRegisters
