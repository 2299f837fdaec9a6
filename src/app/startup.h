#pragma once

class App;

// The load of the main window: opens the history archive to learn whether it
// holds any record, builds the working-file paths, empties the badge work
// file, reads the emergency name and fills the gate reasons. The first
// failure is shown as "Errore N description"; the remaining steps are
// skipped and the program goes on.
void runStartup(App& app);

// Clears the gate window's reasons and reads them from the reasons file.
void caricamotivi(App& app);

extern const char* const privacyMessage;
