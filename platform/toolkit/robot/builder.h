// The robot's test hook for building windows straight on the layer from a
// script table, until the GUI plugin's own descriptions can.
#pragma once

#include "kestrune.h"

namespace tk { struct Object; }

// Builds the object described by the table at `pos` (see builder.cpp), or
// null with `error` set.
tk::Object *buildObject(const KsScriptServices &S, ScriptState *s, int pos, const char **error);
