// Drawing the widgets: a full draw (kDrawObject) paints an area whole,
// background, frame and contents; an update draw (kDrawUpdate) repaints only
// what changed inside it. Redraw asks for one now when the area is on the
// screen; every draw reaches the area through drawObject, which also greys
// out disabled areas and counts the draws.
#pragma once

#include "toolkit/base.h"
#include "toolkit/rastport.h"
#include "toolkit/theme.h"

#include <cstdint>

namespace tk {

struct Object;

// Draws an object into its window now (flags kDrawObject or kDrawUpdate),
// then greys it out when it is disabled.
void drawObject(Object *object, Word flags);
// Asks an object on the screen to draw itself (nothing when it is not shown).
void redraw(Object *object, Word flags);
// A widget whose text or size changed: re-lay out its window when its new
// sizes no longer fit its box, else redraw it whole.
void contentChanged(Object *object);

// The background colour an area is drawn on (its own or its parent's).
uint32_t backgroundOf(Object *object);

// Pieces the classes draw with.
void drawBevel(RastPort *rp, const Rect &box, BevelStyle style, bool pressed);
// A frame of a kind around `box`, with a title on its top edge.
void drawFrame(RastPort *rp, const Rect &box, Word frame, const char *title, bool pressed, uint32_t background);
// A dotted veil over a disabled area.
void drawGhost(RastPort *rp, const Rect &box);
// A filled, outlined circle or check mark, antialiased (true colour).
void drawDisc(RastPort *rp, const Rect &box, uint32_t fill, uint32_t edge);
void drawCheck(RastPort *rp, const Rect &box, uint32_t colour);
// A small arrow pointing left, right, up or down (0..3) in the box.
void drawArrow(RastPort *rp, const Rect &box, int direction, uint32_t colour);

} // namespace tk
