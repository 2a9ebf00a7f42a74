// Scrollbar.mui: which part of a total is visible. The first visible entry
// stays between 0 and total - visible.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>

namespace tk {

namespace {

constexpr long kThickness = 14;

struct ScrollbarData {
    long entries = 0, first = 0, visible = 1, deltaFactor = 1;
    bool horiz = false;
    Word useWinBorder = 0;
    bool dragging = false;
};

void setFirst(Object *object, ScrollbarData *d, long first, bool quiet)
{
    first = std::clamp(first, 0L, std::max(0L, d->entries - d->visible));
    if (first == d->first) return;
    d->first = first;
    changed(object, attr::PropFirst, Word(first), quiet);
}

void applySet(Object *object, ScrollbarData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        const long v = long(SWord(w.data()));
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::PropEntries:
            if (d->entries != v) {
                d->entries = std::max(0L, v);
                changed(object, attr::PropEntries, Word(d->entries), q);
                setFirst(object, d, d->first, q);
            }
            break;
        case attr::PropVisible:
            if (d->visible != v) {
                d->visible = std::max(0L, v);
                changed(object, attr::PropVisible, Word(d->visible), q);
                setFirst(object, d, d->first, q);
            }
            break;
        case attr::PropFirst: setFirst(object, d, v, q); break;
        case attr::PropHoriz: d->horiz = v != 0; break;
        case attr::PropDeltaFactor: d->deltaFactor = std::max(1L, v); break;
        case attr::PropUseWinBorder: d->useWinBorder = w.data(); break;
        }
    }
}

Word handleEvent(Object *object, ScrollbarData *d, const InputEvent *e)
{
    if (!e || getOr(object, attr::Disabled, 0)) return 0;
    switch (e->kind) {
    case InputEvent::Button:
        if (e->code == kSelectDown) d->dragging = true;
        if (e->code == kSelectUp) d->dragging = false;
        return kEat;
    case InputEvent::Move:
        if (!d->dragging || !e->hasValue) return 0;
        setFirst(object, d, e->value, false);
        return kEat;
    case InputEvent::Wheel:
        setFirst(object, d, d->first + (e->code == kWheelUp ? -d->deltaFactor : d->deltaFactor), false);
        return kEat;
    default: return 0;
    }
}

Word dispatchMethod(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        ScrollbarData *d = constructData<ScrollbarData>(cls, object, msg);
        if (!d) return 0;
        const TagItem *tags = msgTags(msg);
        d->entries = std::max(0L, long(SWord(tagData(tags, attr::PropEntries, 0))));
        d->visible = std::max(0L, long(SWord(tagData(tags, attr::PropVisible, 1))));
        applySet(object, d, tags);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<ScrollbarData>(cls, object, msg);
    case method::AskMinMax:
        doSuperMethodA(cls, object, msg);
        if (instance<ScrollbarData>(cls, object)->horiz)
            addSize(reinterpret_cast<MinMax *>(msg[1]), 30, 100, kMaxMax, kThickness, kThickness, kThickness);
        else
            addSize(reinterpret_cast<MinMax *>(msg[1]), kThickness, kThickness, kThickness, 30, 100, kMaxMax);
        return 0;
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        ScrollbarData *d = instance<ScrollbarData>(cls, object);
        drawScrollKnob(rastPortOf(object), innerBox(object), d->horiz, d->entries, d->first, d->visible);
        return 0;
    }
    case method::Set: applySet(object, instance<ScrollbarData>(cls, object), msgTags(msg)); break;
    case method::Get: {
        ScrollbarData *d = instance<ScrollbarData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::PropEntries: return answer(msg, Word(d->entries));
        case attr::PropFirst: return answer(msg, Word(d->first));
        case attr::PropVisible: return answer(msg, Word(d->visible));
        case attr::PropHoriz: return answer(msg, d->horiz);
        case attr::PropDeltaFactor: return answer(msg, Word(d->deltaFactor));
        case attr::PropUseWinBorder: return answer(msg, d->useWinBorder);
        }
        break;
    }
    case method::HandleEvent: {
        Word eaten =
            handleEvent(object, instance<ScrollbarData>(cls, object), reinterpret_cast<const InputEvent *>(msg[1]));
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

extern const ClassDef kScrollbarClass = {"Scrollbar.mui", "Area.mui", sizeof(ScrollbarData), dispatch, false};

} // namespace tk
