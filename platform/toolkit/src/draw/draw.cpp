// The way into drawing: full and update draws, redraws of areas on the
// screen, and redraws or re-layouts after a widget's contents changed.
#include "toolkit/draw.h"

#include "class_support.h"
#include "toolkit/layout.h"
#include "toolkit/screen.h"

namespace tk {

void drawObject(Object *object, Word flags)
{
    if (!isAlive(object) || !object->shown || !rastPortOf(object)) return;
    Screen &s = screen();
    if (flags & kDrawObject)
        ++s.fullDraws;
    else
        ++s.updateDraws;
    doMethod(object, method::Draw, flags);
    if (isAlive(object) && getOr(object, attr::Disabled, 0)) drawGhost(rastPortOf(object), objectBox(object));
}

void redraw(Object *object, Word flags) { doMethod(object, method::Redraw, flags); }

void contentChanged(Object *object)
{
    if (!isAlive(object) || !object->shown) return;
    const MinMax mm = queryMinMax(object);
    const Rect box = objectBox(object);
    if (box.width < mm.minWidth || box.width > mm.maxWidth || box.height < mm.minHeight || box.height > mm.maxHeight)
        requestLayout(object);
    else
        redraw(object, kDrawObject);
}

uint32_t backgroundOf(Object *object)
{
    for (Object *o = object; o; o = o->parent) {
        const Word value = getOr(o, attr::Background, 0);
        if (value == 0) continue;
        if ((value & 0xFF000000u) == kBackgroundRgb) return uint32_t(value & 0xFFFFFF);
        switch (value) {
        case 129: return kColShadow;
        case 130: return kColShine;
        case 131: return kColFill;
        case 134: return kColField;
        }
        return kColBackground;
    }
    return kColBackground;
}

} // namespace tk
