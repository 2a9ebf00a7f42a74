// Slider.mui: a value between a minimum and a maximum, changed by dragging
// the knob, the wheel or the cursor keys. The value always stays in range;
// changing the range moves it in. The slider does not touch the pressed
// state itself: subclasses that want to report the knob's release do.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tk {

namespace {

struct SliderData {
    long min = 0, max = 100, value = 0, defaultValue = 0;
    bool reverse = false, horiz = true, quiet = false;
    bool dragging = false;
};

// The knob shows the value: wide enough for the widest one.
long knobWidth(const SliderData *d)
{
    TextOptions o;
    const long a = measureText(std::to_string(d->min).c_str(), o).width;
    const long b = measureText(std::to_string(d->max).c_str(), o).width;
    return std::max(a, b) + 12;
}

void setValue(Object *object, SliderData *d, long value, bool quiet)
{
    value = std::clamp(value, std::min(d->min, d->max), std::max(d->min, d->max));
    if (value == d->value) return;
    d->value = value;
    changed(object, attr::NumericValue, Word(SWord(value)), quiet);
}

void applySet(Object *object, SliderData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        const long v = long(SWord(w.data()));
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::NumericMin:
            if (d->min != v) {
                d->min = v;
                changed(object, attr::NumericMin, w.data(), q);
                setValue(object, d, d->value, q);
            }
            break;
        case attr::NumericMax:
            if (d->max != v) {
                d->max = v;
                changed(object, attr::NumericMax, w.data(), q);
                setValue(object, d, d->value, q);
            }
            break;
        case attr::NumericValue: setValue(object, d, v, q); break;
        case attr::NumericDefault: d->defaultValue = v; break;
        case attr::NumericReverse: d->reverse = v != 0; break;
        case attr::SliderHoriz: d->horiz = v != 0; break;
        case attr::SliderQuiet: d->quiet = v != 0; break;
        }
    }
}

Word handleEvent(Object *object, SliderData *d, const InputEvent *e)
{
    if (!e || getOr(object, attr::Disabled, 0)) return 0;
    switch (e->kind) {
    case InputEvent::Button:
        if (e->code == kSelectDown) {
            d->dragging = true;
            return kEat;
        }
        if (e->code == kSelectUp && d->dragging) {
            d->dragging = false;
            return kEat;
        }
        return 0;
    case InputEvent::Move:
        if (d->dragging && e->hasValue) {
            setValue(object, d, e->value, false);
            return kEat;
        }
        return 0;
    case InputEvent::Wheel: setValue(object, d, d->value + (e->code == kWheelUp ? -1 : 1), false); return kEat;
    case InputEvent::Key:
        if (e->code == kKeyLeft || e->code == kKeyDown) {
            setValue(object, d, d->value - 1, false);
            return kEat;
        }
        if (e->code == kKeyRight || e->code == kKeyUp) {
            setValue(object, d, d->value + 1, false);
            return kEat;
        }
        return 0;
    default: return 0;
    }
}

Word dispatchMethod(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        SliderData *d = constructData<SliderData>(cls, object, msg);
        if (!d) return 0;
        // The range first, whatever the order of the list, so the value is
        // checked against the range it comes with.
        const TagItem *tags = msgTags(msg);
        d->min = long(SWord(tagData(tags, attr::NumericMin, 0)));
        d->max = long(SWord(tagData(tags, attr::NumericMax, 100)));
        d->value = std::clamp(long(SWord(tagData(tags, attr::NumericValue, Word(d->min)))), std::min(d->min, d->max),
                              std::max(d->min, d->max));
        applySet(object, d, tags);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<SliderData>(cls, object, msg);
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        SliderData *d = instance<SliderData>(cls, object);
        const long knob = knobWidth(d), h = fontHeight(kFontNormal) + 4;
        if (d->horiz)
            addSize(reinterpret_cast<MinMax *>(msg[1]), knob * 2, knob * 5, kMaxMax, h, h, h);
        else
            addSize(reinterpret_cast<MinMax *>(msg[1]), knob, knob, knob, h * 3, h * 6, kMaxMax);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        SliderData *d = instance<SliderData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        clearInner(object, kColPressed);
        const long span = std::max(1L, std::abs(d->max - d->min));
        const long at = std::abs(d->value - std::min(d->min, d->max));
        Rect knob = in;
        if (d->horiz) {
            knob.width = int(std::min<long>(knobWidth(d), in.width));
            knob.x = in.x + int((in.width - knob.width) * (d->reverse ? span - at : at) / span);
        } else {
            knob.height = std::min(in.height, fontHeight(kFontNormal) + 4);
            knob.y = in.y + int((in.height - knob.height) * (d->reverse ? at : span - at) / span);
        }
        rectFill(rp, knob.x, knob.y, knob.x + knob.width - 1, knob.y + knob.height - 1, kColBackground);
        drawBevel(rp, knob, kBevelRaised, false);
        TextOptions o;
        o.align = kAlignCentre;
        drawText(rp, knob, std::to_string(d->value).c_str(), o);
        return 0;
    }
    case method::Set: applySet(object, instance<SliderData>(cls, object), msgTags(msg)); break;
    case method::Get: {
        SliderData *d = instance<SliderData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::NumericMin: return answer(msg, Word(SWord(d->min)));
        case attr::NumericMax: return answer(msg, Word(SWord(d->max)));
        case attr::NumericValue: return answer(msg, Word(SWord(d->value)));
        case attr::NumericDefault: return answer(msg, Word(SWord(d->defaultValue)));
        case attr::NumericReverse: return answer(msg, d->reverse);
        case attr::SliderHoriz: return answer(msg, d->horiz);
        case attr::SliderQuiet: return answer(msg, d->quiet);
        }
        break;
    }
    case method::HandleEvent: {
        Word eaten = handleEvent(object, instance<SliderData>(cls, object), reinterpret_cast<const InputEvent *>(msg[1]));
        if (eaten) return eaten;
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

// Input changes what the widget shows: it is drawn again after it.
Word dispatch(Class *cls, Object *object, const Word *msg)
{
    const Word result = dispatchMethod(cls, object, msg);
    if (msg[0] == method::HandleEvent || msg[0] == method::Set) redraw(object, kDrawUpdate);
    return result;
}

} // namespace

extern const ClassDef kSliderClass = {"Slider.mui", "Area.mui", sizeof(SliderData), dispatch, false};

} // namespace tk
