#pragma once

class App;

// The badges: their windows and menu commands.
namespace Badges {

void install(App& app);

} // namespace Badges
