#pragma once

class App;

// The vehicles: the register window, the list, and their menu commands.
namespace Vehicles {

void install(App& app);

} // namespace Vehicles
