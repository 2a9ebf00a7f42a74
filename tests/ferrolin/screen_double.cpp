// The screen the unit tests run on: its depth is theirs to set.
#include "screen_double.h"

#include "../../ferrolin/frame/toolkit_link.h"

int g_screenDepth = 32;

int fl_screen_depth() { return g_screenDepth; }
