// The robot's test hook for building windows straight on the layer from a
// script table, until the GUI plugin's own descriptions can.
#pragma once

#include "kestrune.h"

namespace tk { struct Object; }

// Builds the object described by the table at `pos` (see builder.cpp), or
// null with `error` set.
tk::Object *buildObject(const KsScriptServices &S, ScriptState *s, int pos, const char **error);
// A menu strip from a table of menus {{"Project", item, item, ...}, ...}.
// An item is {"Open", shortcut = "O", command = 1 (the shortcut is a text
// shown as written), check = 1, checked = 1, toggle = 1, exclude = mask,
// disabled = 1, name = "open", item, ...}: items inside make a submenu, and
// the title "-" makes a separator line. Null with `error` set on failure.
tk::Object *buildMenustrip(const KsScriptServices &S, ScriptState *s, int pos, const char **error);
// Context menu strips made for nodes with context = {menus}; the robot
// disposes them with its windows.
void freeContextMenus();
