#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One register: its file name, its one table, the fields in their order, the
// keys and the indexes the lookups need. How it is laid down is the engine's
// business.
struct RegisterFile
{
    QString fileName; // "asso.mdb"
    QString table; // "ASSO"
    QStringList fields; // in table order
    QStringList numericFields;
    QList<QStringList> uniqueKeys;
    QList<QStringList> indexes;
    // Another system's export (the TALPEX files): always a file of the
    // program folder, only read, whichever engine holds the desk's registers.
    bool external = false;
    // Whether the engine tells who reads the register which rows were
    // committed (the headcount follows the volunteers and the vehicles).
    bool changesNotified = false;

    // The statements that make its keys and indexes where they are missing,
    // the same on every engine ("T_KEY_A_B", "T_BY_A_B").
    QStringList keyAndIndexStatements() const;
};
