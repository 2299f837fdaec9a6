#pragma once

class App;

// The camp reports: presence at a given time, departure of associations,
// the specializations file and the specialist search.
namespace Reports {
void install(App& app);
}
