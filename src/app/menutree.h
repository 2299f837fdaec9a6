#pragma once

#include <QList>
#include <QString>

// The main menu as the operator sees it, in display order: every entry the
// desk has, with its caption and the submenu it sits in. What a command does
// is registered by its subsystem (App::addCommand); a command nobody
// registered opens a window that is not part of the program yet and is
// shown disabled.
struct MenuItem
{
    const char* name;
    const char* caption;
    const char* parent; // "" for the menu bar
};

const QList<MenuItem>& menuTree();
// Whether the entry of that name is a command (not a submenu) of the menu.
bool isMenuCommand(const QString& name);
