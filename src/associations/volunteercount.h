#pragma once

class App;

// "Agg. automatico numero volontari": sets every association's NUMVOL to the
// number of its volunteers in the camp register, departed ones included. The
// whole recount is one change: it is stored completely or not at all.
void aggiornanumerovolontari(App& app);
