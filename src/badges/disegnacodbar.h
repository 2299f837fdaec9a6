#pragma once

#include <QtGlobal>

class App;
class Printer;
class QString;

// Draws the text as a Code 39 symbol on the surface: start character, the
// text, stop character, each character 13 modules of width w, bars h high
// from y down, the first module at x. No human-readable text, no quiet zone.
// A character outside the table is reported ("Carattere non trovato in
// tabella " and the character) and drawn as a space. Afterwards the
// surface's current position is the bottom-right corner of the last bar.
void disegnacodbar(
    App& app, Printer& surface, qint16 x, qint16 y, qint16 h, qint16 w, const QString& text);
