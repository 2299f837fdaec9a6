#pragma once

class App;

// The main menu's archive maintenance. Each leaves the live registers either
// as they were or wholly replaced; a failure is reported and never leaves a
// register damaged or emptied by mistake.
namespace Maintenance {

// "Salva": a copy of each of the four saved registers, each step on its own.
void salvaarchivi(App& app);
// "Ripristina archivi salvati": brings saved files back, register by register.
void ripristinaarchivi(App& app);
// "Azzeramento archivi": empties registers and resets the code counters.
void azzeraarchivi(App& app);
// "Compatta Data Base": compacts the eight register files.
void compattadatabase(App& app);

// The windows that keep what they read across activations read again at
// their next one.
void forgetReadData(App& app);

} // namespace Maintenance
