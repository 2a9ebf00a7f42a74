// Slider.mui: a value between a minimum and a maximum, changed by dragging
// the knob, the wheel or the cursor keys. The value always stays in range;
// changing the range moves it in. The slider does not touch the pressed
// state itself: subclasses that want to report the knob's release do.
#include "class_support.h"
#include "toolkit/input.h"

#include <algorithm>

namespace tk {

namespace {

struct SliderData {
    long min = 0, max = 100, value = 0, defaultValue = 0;
    bool reverse = false, horiz = true, quiet = false;
    bool dragging = false;
};

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

Word dispatch(Class *cls, Object *object, const Word *msg)
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

} // namespace

extern const ClassDef kSliderClass = {"Slider.mui", "Area.mui", sizeof(SliderData), dispatch, false};

} // namespace tk
