#pragma once

class App;

// Clears the gate window's reasons and reads them from the reasons file
// (a step of start-up).
void caricamotivi(App& app);
