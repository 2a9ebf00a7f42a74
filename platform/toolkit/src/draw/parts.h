// Small helpers the classes share when they size and draw their contents.
#pragma once

#include "toolkit/draw.h"
#include "toolkit/layout.h"
#include "toolkit/screen.h"
#include "toolkit/text.h"

namespace tk {

// Adds the contents' sizes to what the superclasses answered.
void addSize(MinMax *mm, long minW, long defW, long maxW, long minH, long defH, long maxH);
// The text options of an area: its font, the text colour.
TextOptions textOptionsOf(Object *object);
// Paints the inside of an area in a colour (before an update draw).
void clearInner(Object *object, uint32_t colour);
// The inside's colour: the field colour inside field frames, else the background.
uint32_t innerColour(Object *object);

} // namespace tk

namespace tk {

// A scroll bar's track and its knob, proportional to the visible part.
void drawScrollKnob(RastPort *rp, const Rect &track, bool horiz, long total, long first, long visible);

} // namespace tk
