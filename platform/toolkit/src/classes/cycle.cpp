// Cycle.mui: one of several entries, the next one on every click.
#include "class_support.h"
#include "toolkit/input.h"

namespace tk {

namespace {

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
    case method::Set: applySet(object, instance<CycleData>(cls, object), msgTags(msg)); break;
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
