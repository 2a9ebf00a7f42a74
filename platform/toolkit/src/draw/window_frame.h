// The borders of a window: title bar with the title and close gadget, the
// side and bottom edges, and the size gadget.
#pragma once

#include "toolkit/rastport.h"

namespace tk {

// Border sizes (left, right, top, bottom) of a window with or without a
// drag bar and size gadget; all 0 when borderless.
void windowBorders(bool borderless, bool dragBar, bool sizeGadget, int border[4]);
void drawWindowFrame(RastPort *rp, int width, int height, const int border[4], const char *title, bool active,
                     bool closeGadget, bool sizeGadget);

} // namespace tk
