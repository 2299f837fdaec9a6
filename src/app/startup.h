#pragma once

class App;

// The load of the main window: converts the registers an older program saved
// with Access (AccessConversion, one message), opens the history archive to learn whether it
// holds any record, builds the working-file paths, empties the badge work
// file, reads the emergency name, then runs the steps the subsystems added
// (the gate reasons are read there). The first
// failure is shown as "Errore N description"; the remaining steps are
// skipped and the program goes on.
void runStartup(App& app);

extern const char* const privacyMessage;
