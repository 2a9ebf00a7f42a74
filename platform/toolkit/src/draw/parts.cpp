#include "draw/parts.h"

#include "class_support.h"
#include "toolkit/screen.h"

#include <algorithm>

namespace tk {

void addSize(MinMax *mm, long minW, long defW, long maxW, long minH, long defH, long maxH)
{
    mm->minWidth += minW;
    mm->defWidth += defW;
    mm->maxWidth += maxW;
    mm->minHeight += minH;
    mm->defHeight += defH;
    mm->maxHeight += maxH;
}

TextOptions textOptionsOf(Object *object)
{
    TextOptions options;
    options.font = fontFromAttribute(getOr(object, attr::Font, 0));
    return options;
}

uint32_t innerColour(Object *object)
{
    return frameSpec(getOr(object, attr::Frame, 0)).field ? kColField : backgroundOf(object);
}

void clearInner(Object *object, uint32_t colour)
{
    RastPort *rp = rastPortOf(object);
    const Rect in = innerBox(object);
    if (rp && !in.empty()) rectFill(rp, in.x, in.y, in.x + in.width - 1, in.y + in.height - 1, colour);
}

} // namespace tk

namespace tk {

void drawScrollKnob(RastPort *rp, const Rect &track, bool horiz, long total, long first, long visible)
{
    if (!rp || track.empty()) return;
    rectFill(rp, track.x, track.y, track.x + track.width - 1, track.y + track.height - 1, kColPressed);
    const long length = horiz ? track.width : track.height;
    long size = total > 0 ? std::min(length, length * std::min(visible, total) / total) : length;
    size = std::max(size, std::min(length, 8L));
    const long room = length - size, span = std::max(1L, total - visible);
    const long at = total > visible ? room * first / span : 0;
    Rect knob = track;
    if (horiz) {
        knob.x += int(at);
        knob.width = int(size);
    } else {
        knob.y += int(at);
        knob.height = int(size);
    }
    rectFill(rp, knob.x, knob.y, knob.x + knob.width - 1, knob.y + knob.height - 1, kColBackground);
    drawBevel(rp, knob, kBevelRaised, false);
}

} // namespace tk
