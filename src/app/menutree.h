#pragma once

#include <QList>
#include <QString>

class MainWindow;

// The main menu as the operator sees it, in display order. An entry whose
// handler is null opens a window that is not part of the program yet and is
// shown disabled.
struct MenuItem
{
    const char* name;
    const char* caption;
    const char* parent; // "" for the menu bar
    void (MainWindow::*handler)();
};

const QList<MenuItem>& menuTree();
