// Cycle.mui: one of several entries, the next one on every click.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>

namespace tk {

namespace {

constexpr int kGlyph = 20; // the cycle arrow and its separator

struct CycleData {
    TextArray entries;
    long active = 0;
};

// Next and previous wrap around, as a click on the last entry shows the first.
long resolve(const CycleData *d, SWord value)
{
    const long n = d->entries.size();
    if (n == 0) return 0;
    if (value == attr::CycleNext) return (d->active + 1) % n;
    if (value == attr::CyclePrev) return (d->active + n - 1) % n;
    if (value < 0) return 0;
    return value >= n ? n - 1 : long(value);
}

void setActive(Object *object, CycleData *d, long active, bool quiet)
{
    if (active == d->active) return;
    d->active = active;
    changed(object, attr::CycleActive, Word(active), quiet);
}

void applySet(Object *object, CycleData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::CycleEntries:
            d->entries.assign(w.data());
            setActive(object, d, resolve(d, d->active), w.quiet());
            break;
        case attr::CycleActive: setActive(object, d, resolve(d, SWord(w.data())), w.quiet()); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        CycleData *d = constructData<CycleData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<CycleData>(cls, object, msg);
    case method::Set: {
        CycleData *d = instance<CycleData>(cls, object);
        const long active = d->active;
        const long count = d->entries.size();
        applySet(object, d, msgTags(msg));
        if (count != d->entries.size())
            contentChanged(object);
        else if (active != d->active)
            redraw(object, kDrawUpdate);
        break;
    }
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        CycleData *d = instance<CycleData>(cls, object);
        const TextOptions o = textOptionsOf(object);
        long w = 0;
        for (const std::string &t : d->entries.texts) w = std::max<long>(w, measureText(t.c_str(), o).width);
        const long h = fontHeight(o.font);
        addSize(reinterpret_cast<MinMax *>(msg[1]), w + kGlyph, w + kGlyph, kMaxMax, h, h, h);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        CycleData *d = instance<CycleData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        if (msg[1] & kDrawUpdate) clearInner(object, innerColour(object));
        drawArrow(rp, Rect{in.x, in.y, kGlyph - 6, in.height}, 3, kColText);
        rectFill(rp, in.x + kGlyph - 4, in.y + 1, in.x + kGlyph - 4, in.y + in.height - 2, kColShadow);
        rectFill(rp, in.x + kGlyph - 3, in.y + 1, in.x + kGlyph - 3, in.y + in.height - 2, kColShine);
        TextOptions o = textOptionsOf(object);
        o.align = kAlignCentre;
        if (d->active < d->entries.size())
            drawText(rp, Rect{in.x + kGlyph, in.y, in.width - kGlyph, in.height},
                     d->entries.texts[size_t(d->active)].c_str(), o);
        return 0;
    }
    case method::Get: {
        CycleData *d = instance<CycleData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::CycleActive: return answer(msg, Word(d->active));
        case attr::CycleEntries: return answer(msg, d->entries.word());
        case attr::Label:
            if (d->active < d->entries.size()) return answer(msg, textWord(d->entries.texts[size_t(d->active)]));
            break;
        }
        break;
    }
    case method::HandleEvent: {
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (e && e->kind == InputEvent::Button && e->code == kSelectDown && !getOr(object, attr::Disabled, 0)) {
            set(object, attr::CycleActive, Word((e->qualifier & kQualShift) ? attr::CyclePrev : attr::CycleNext));
            return kEat;
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kCycleClass = {"Cycle.mui", "Area.mui", sizeof(CycleData), dispatch, false};

} // namespace tk
