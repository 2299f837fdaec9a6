#pragma once

class App;

// The volunteers: their windows and menu commands.
namespace Volunteers {

void install(App& app);

} // namespace Volunteers
