// The depth of the active screen: the widget layer's screen. A palette screen
// has 8 or fewer bit planes.
#include "toolkit/screen.h"
#include "toolkit_link.h"

int fl_screen_depth() { return tk::screen().depth; }
