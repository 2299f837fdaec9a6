#pragma once

class App;

// The associations: their windows and menu commands.
namespace Associations {

void install(App& app);

} // namespace Associations
