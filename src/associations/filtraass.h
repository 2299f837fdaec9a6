#pragma once

#include <QStringList>

class App;
class QComboBox;

// Fills the association form's name list with the associations whose DENOM
// contains `cercaass` in upper case (all of them when it is empty), in name
// order.
void filtraass(App& app, QComboBox* cmbassdenom);

// The associations of the register in name order whose DENOM contains
// `wanted` (already upper-cased; "" admits all).
QStringList associationNamesContaining(App& app, const QString& wanted);
