// Poppen.mui: a colour field; its button shows the colour requester.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"
#include "toolkit/requester.h"

namespace tk {

namespace {

struct PenData {
    RgbColor color{0, 0, 0};
    std::string title;
};

void setColor(Object *object, PenData *d, const RgbColor *c, bool quiet)
{
    if (!c) return;
    if (c->red == d->color.red && c->green == d->color.green && c->blue == d->color.blue) return;
    d->color = *c;
    changed(object, attr::PenSpec, reinterpret_cast<Word>(&d->color), quiet);
}

void applySet(Object *object, PenData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        if (w.tag() == attr::PenSpec) setColor(object, d, reinterpret_cast<const RgbColor *>(w.data()), w.quiet());
        if (w.tag() == attr::PenTitle) {
            const char *t = reinterpret_cast<const char *>(w.data());
            d->title = t ? t : "";
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        PenData *d = constructData<PenData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<PenData>(cls, object, msg);
    case method::AskMinMax:
        doSuperMethodA(cls, object, msg);
        addSize(reinterpret_cast<MinMax *>(msg[1]), 24, 40, kMaxMax, 12, 14, 14);
        return 0;
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        clearInner(object, hexFromRgb(instance<PenData>(cls, object)->color));
        return 0;
    }
    case method::Set:
        applySet(object, instance<PenData>(cls, object), msgTags(msg));
        redraw(object, kDrawUpdate);
        break;
    case method::Get: {
        PenData *d = instance<PenData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::PenSpec:
        case attr::PenRgb: return answer(msg, reinterpret_cast<Word>(&d->color));
        case attr::PenTitle: return answer(msg, textWord(d->title));
        }
        break;
    }
    case method::PopstringOpen: {
        PenData *d = instance<PenData>(cls, object);
        uint32_t rgb = 0;
        if (colourRequest(d->title.c_str(), hexFromRgb(d->color), &rgb)) {
            const RgbColor chosen = rgbFromHex(rgb);
            set(object, attr::PenSpec, reinterpret_cast<Word>(&chosen));
        }
        return 1;
    }
    case method::HandleEvent: {
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (e && e->kind == InputEvent::Button && e->code == kSelectDown && !getOr(object, attr::Disabled, 0)) {
            doMethod(object, method::PopstringOpen);
            return kEat;
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kPoppenClass = {"Poppen.mui", "Area.mui", sizeof(PenData), dispatch, false};

} // namespace tk
