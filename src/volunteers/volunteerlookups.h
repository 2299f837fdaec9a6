#pragma once

class App;
class QComboBox;

// Makes sure the association of the history record current on Data5 is in
// the association register, creating it when it is missing; Data3 is left
// on the association.
void creaassdastor(App& app);

// The association and specialization lists of the volunteer form.
void caricaassvol(App& app, QComboBox* cmbass); // every association, by name
void cercaassvol(App& app, QComboBox* cmbass); // those containing the typed text
void caricaassstor(App& app, QComboBox* cmbass); // the history archive's associations
void cercaassstor(App& app, QComboBox* cmbass); // the same, containing the typed text
void caricaspec(App& app, QComboBox* cmbspec); // the specializations file
