#pragma once

#include "app/app.h"
#include "app/mainwindow.h"

#include <QAction>
#include <QString>
#include <stdexcept>

// The benchmark's way into the program's windows: a menu entry triggered,
// a control found by its name. A missing one ends the run, so no figure is
// reported for work that was not done.
namespace WindowDriving {

inline void trigger(App& app, const QString& entry)
{
    QAction* action = app.mainWindow() ? app.mainWindow()->menuEntry(entry) : nullptr;
    if (!action)
        throw std::runtime_error(("no menu entry " + entry).toStdString());
    action->trigger();
}

template <typename T> T* control(App& app, const QString& window, const QString& name)
{
    OstraleWindow* form = app.window(window);
    T* found = form ? form->findChild<T*>(name) : nullptr;
    if (!found)
        throw std::runtime_error((window + QStringLiteral(" has no ") + name).toStdString());
    return found;
}

} // namespace WindowDriving
