#pragma once

class App;
class HistoryWriter;

// "Agg. storico da TALPEX": for every association of the TALPEX export
// assoesp.mdb (table ASSO), in name order, its history records are replaced
// by its volunteers in voloesp.mdb (table VOLO, joined by CODASS), each with
// the association's address; then "Storico aggiornato da TALPEX.". An
// association that TALPEX lists without volunteers loses its history records.
//
// The whole import is one change of the archive: a failure or a crash in the
// middle leaves the old archive whole. A missing or damaged export file, or
// one without its table, is told by name before anything changes.
void importastorico(App& app);

// Deletes the history records of the TALPEX association current on Data1.
void cancellastorass(App& app, HistoryWriter& writer);
