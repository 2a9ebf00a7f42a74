// Radio.mui: one of several entries, all shown; a click picks one.
#include "class_support.h"
#include "toolkit/input.h"

namespace tk {

namespace {

struct RadioData {
    TextArray entries;
    long active = 0;
};

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
    case method::Set: applySet(object, instance<RadioData>(cls, object), msgTags(msg)); break;
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
