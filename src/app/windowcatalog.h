#pragma once

#include <QString>

class App;
class OstraleWindow;
class QWidget;

// Every secondary window the program has, by name. A window is created here
// the first time anything needs it.
namespace WindowCatalog {

OstraleWindow* create(App& app, const QString& name, QWidget* parent);

} // namespace WindowCatalog
