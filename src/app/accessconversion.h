#pragma once

#include <QList>
#include <QString>

// A desk moving from an older program finds its registers (and the history
// archive) saved by Access in the program folder. Each of them is converted
// once, whole, into a register of this desk under the same name; the Access
// original is kept beside it under a name that says so, and never deleted.
// The exports of the outside registry (assoesp.mdb, voloesp.mdb) are read as
// they are and are not converted.
namespace AccessConversion {

struct Converted
{
    QString fileName; // "emervol.mdb"
    QString originalName; // "emervol-access-originale.mdb"
};

// Converts every register of `folder` that is an Access file: all of them
// or none. A failure removes what was made and leaves every file as it was;
// it is thrown naming the file that could not be converted.
QList<Converted> convertFolder(const QString& folder);

// The one message that tells the operator what was converted and where the
// originals are.
QString message(const QList<Converted>& converted);

} // namespace AccessConversion
