#pragma once

#include "globals.h"
#include "platform/database.h"
#include "platform/datacontrol.h"

#include <QList>

// The desk's registers: the eight data connections of the main window, one
// per register file, the history database opened at start-up, and the
// shared variables. The program holds exactly one; the record scans and the
// shared routines take it, so they run without any window.
class Registers
{
public:
    Registers();
    virtual ~Registers();
    Registers(const Registers&) = delete;
    Registers& operator=(const Registers&) = delete;

    Globals g;

    DataControl Data1 { QStringLiteral("Data1"), QStringLiteral("assoesp.mdb"),
        QStringLiteral("ASSO"), QStringLiteral("ASSO") };
    DataControl Data2 { QStringLiteral("Data2"), QStringLiteral("voloesp.mdb"),
        QStringLiteral("VOLO"), QStringLiteral("VOLO") };
    DataControl Data3 { QStringLiteral("Data3"), QStringLiteral("asso.mdb"), QStringLiteral("ASSO"),
        QStringLiteral("ASSO") };
    DataControl Data4 { QStringLiteral("Data4"), QStringLiteral("emervol.mdb"),
        QStringLiteral("EMERVOL"), QStringLiteral("emervol") };
    DataControl Data5 { QStringLiteral("Data5"), QStringLiteral("stor.mdb"), QStringLiteral("STOR"),
        QStringLiteral("STOR") };
    DataControl Data6 { QStringLiteral("Data6"), QStringLiteral("auto.mdb"), QStringLiteral("AUTO"),
        QStringLiteral("AUTO") };
    DataControl Data7 { QStringLiteral("Data7"), QStringLiteral("pass.mdb"), QStringLiteral("PASS"),
        QStringLiteral("pass") };
    DataControl Data8 { QStringLiteral("Data8"), QStringLiteral("car.mdb"), QStringLiteral("CAR"),
        QStringLiteral("CAR") };
    // The history archive, opened once at start-up.
    Database dbstor { QStringLiteral("stor.mdb") };

    // The eight connections, Data1 first.
    QList<DataControl*> connections();
    // The connection whose file has that name (compared without regard to
    // case), or null.
    DataControl* connectionFor(const QString& fileName);
    // Lets go of every register file; each opens again at its next use.
    void closeAll();
};
