// Radio.mui: one of several entries, all shown; a click picks one.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>

namespace tk {

namespace {

struct RadioData {
    TextArray entries;
    long active = 0;
};

long rowHeight(const TextOptions &o) { return std::max(16, fontHeight(o.font) + 2); }

long clampIndex(const RadioData *d, SWord value)
{
    const long n = d->entries.size();
    if (n == 0 || value < 0) return 0;
    return value >= n ? n - 1 : long(value);
}

void applySet(Object *object, RadioData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::RadioEntries: d->entries.assign(w.data()); break;
        case attr::RadioActive: {
            const long active = clampIndex(d, SWord(w.data()));
            if (active != d->active) {
                d->active = active;
                changed(object, attr::RadioActive, Word(active), w.quiet());
            }
            break;
        }
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        RadioData *d = constructData<RadioData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<RadioData>(cls, object, msg);
    case method::Set: {
        RadioData *d = instance<RadioData>(cls, object);
        const long active = d->active, count = d->entries.size();
        applySet(object, d, msgTags(msg));
        if (count != d->entries.size())
            contentChanged(object);
        else if (active != d->active)
            redraw(object, kDrawUpdate);
        break;
    }
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        RadioData *d = instance<RadioData>(cls, object);
        const TextOptions o = textOptionsOf(object);
        long w = 0;
        for (const std::string &t : d->entries.texts) w = std::max<long>(w, measureText(t.c_str(), o).width);
        const long h = rowHeight(o) * std::max(1L, d->entries.size());
        addSize(reinterpret_cast<MinMax *>(msg[1]), w + 20, w + 20, kMaxMax, h, h, h);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        RadioData *d = instance<RadioData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        if (msg[1] & kDrawUpdate) clearInner(object, innerColour(object));
        TextOptions o = textOptionsOf(object);
        o.markShortcut = true;
        const int row = int(rowHeight(o));
        for (long i = 0; i < d->entries.size(); ++i) {
            const int y = in.y + int(i) * row;
            drawDisc(rp, Rect{in.x, y + (row - 14) / 2, 14, 14}, kColField, kColShadow);
            if (i == d->active) drawDisc(rp, Rect{in.x + 3, y + (row - 14) / 2 + 3, 8, 8}, kColFill, kColFill);
            drawText(rp, Rect{in.x + 20, y, in.width - 20, row}, d->entries.texts[size_t(i)].c_str(), o);
        }
        return 0;
    }
    case method::Get: {
        RadioData *d = instance<RadioData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::RadioActive: return answer(msg, Word(d->active));
        case attr::RadioEntries: return answer(msg, d->entries.word());
        }
        break;
    }
    case method::HandleEvent: {
        // A click carries the entry it hit as its value; without one it moves on by one.
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (e && e->kind == InputEvent::Button && e->code == kSelectDown && !getOr(object, attr::Disabled, 0)) {
            RadioData *d = instance<RadioData>(cls, object);
            const long n = d->entries.size();
            const long pick = e->hasValue ? e->value : (n ? (d->active + 1) % n : 0);
            set(object, attr::RadioActive, Word(pick));
            return kEat;
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kRadioClass = {"Radio.mui", "Area.mui", sizeof(RadioData), dispatch, false};

} // namespace tk
