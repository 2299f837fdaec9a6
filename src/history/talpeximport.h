#pragma once

#include <QString>

class App;
class HistoryWriter;

// "Agg. storico da TALPEX": for every association of the TALPEX export
// assoesp.mdb (table ASSO), in name order, its history records are replaced
// by its volunteers in voloesp.mdb (table VOLO, joined by CODASS), each with
// the association's address; then "Storico aggiornato da TALPEX.". An
// association that TALPEX lists without volunteers loses its history records.
//
// Either export file may be one the desk wrote or one saved by Access (told
// by its content); both are only read, and give the same archive.
//
// The whole import is one change of the archive: a failure or a crash in the
// middle leaves the old archive whole. A missing or damaged export file, or
// one without its table, is told by name before anything changes.
void importastorico(App& app);

// Deletes the history records of the TALPEX association named `denom`.
void cancellastorass(HistoryWriter& writer, const QString& denom);
