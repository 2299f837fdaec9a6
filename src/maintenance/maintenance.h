#pragma once

class App;

// The archive maintenance: backup, restore, reset and compaction of the
// register files, as main menu entries.
namespace Maintenance {

void install(App& app);

} // namespace Maintenance
