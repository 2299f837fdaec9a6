#pragma once

class App;

// The history archive: the multiple entry of an association's volunteers,
// and the two updates of the archive, from the camp's volunteers and from
// the TALPEX export files.
namespace History {

void install(App& app);

} // namespace History
