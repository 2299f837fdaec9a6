#pragma once

class App;

// The vehicle gate: its windows, menu commands and start-up step.
namespace Gate {

void install(App& app);

} // namespace Gate
