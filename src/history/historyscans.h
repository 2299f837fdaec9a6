#pragma once

#include <QString>

class Registers;

// The history records of the association `denomass`, in surname and name
// order (Data5, esitostor), with the protocol of the other record scans.
void leggistorass(Registers& r);

// The checks of the arrival typed in the multiple entry: each leaves "1"
// (invalid) or "0" in `esitocontrollo`. The date is judged on its characters,
// "DD/MM/YYYY": "/" third and sixth, day not above "31", month not above
// "12", year not below "1000", compared as text. The time: not empty, "." or
// ":" third, hours not above "23", minutes not above "59".
void ctrldataarsto(Registers& r, const QString& dataar);
void ctrloraarsto(Registers& r, const QString& oraar);
