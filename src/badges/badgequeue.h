#pragma once

class App;

// The queue of badges waiting to be printed: table PASS through Data7.

// Empties the queue.
void svuotapass(App& app);

// Queues the volunteer on Data4's current EMERVOL record: his eleven fields
// copied unchanged into a new PASS record.
void queueCurrentVolunteer(App& app);
