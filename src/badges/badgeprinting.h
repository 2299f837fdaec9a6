#pragma once

class App;

// Prints every queued badge, four to a sheet one under the other, then
// empties the queue. Rows stand at the vertical positions of the set-up file.
void stampapass(App& app);

// Prints every queued badge on a sheet of its own, in the first position,
// then empties the queue.
void stampapasssing(App& app);
