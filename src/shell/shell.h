#pragma once

class App;

// The one place that knows every subsystem of the desk: it registers their
// windows, menu commands and start-up steps with the program.
void installSubsystems(App& app);
