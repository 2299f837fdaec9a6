#pragma once

#include <QString>

class App;
class QComboBox;

// Fills the association form's name list with the associations whose DENOM
// contains `cercaass` in upper case (all of them when it is empty), in name
// order.
void filtraass(App& app, QComboBox* cmbassdenom);
