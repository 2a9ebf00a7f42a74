// The depth of the active screen. The widget layer draws into true-colour
// screens only so far; a palette screen has 8 or fewer bit planes.
#include "toolkit_link.h"

int fl_screen_depth() { return 32; }
