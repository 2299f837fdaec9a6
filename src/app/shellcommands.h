#pragma once

class App;

// The main window's own windows and menu commands: the emergency name,
// "Fine" and the manual.
void installShellCommands(App& app);
