// Scrollgroup.mui: shows a virtual group through scrollbars.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>

namespace tk {

namespace {

constexpr int kBar = 14;

struct ScrollData {
    Object *contents = nullptr;
    bool freeHoriz = true, freeVert = true, autoBars = false;
    Word useWinBorder = 0;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        ScrollData *d = constructData<ScrollData>(cls, object, msg);
        if (!d) return 0;
        const TagItem *tags = msgTags(msg);
        if (!adoptChildren(object, tags, attr::ScrollContents)) return abandonNew<ScrollData>(cls, object);
        d->contents = reinterpret_cast<Object *>(tagData(tags, attr::ScrollContents, 0));
        d->freeHoriz = tagData(tags, attr::ScrollFreeHoriz, 1) != 0;
        d->freeVert = tagData(tags, attr::ScrollFreeVert, 1) != 0;
        d->autoBars = tagData(tags, attr::ScrollAutoBars, 0) != 0;
        d->useWinBorder = tagData(tags, attr::ScrollUseWinBorder, 0);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<ScrollData>(cls, object, msg);
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        // Room for the bars on the right and at the bottom.
        object->inset[1] += kBar;
        object->inset[3] += kBar;
        addSize(reinterpret_cast<MinMax *>(msg[1]), kBar, kBar, kBar, kBar, kBar, kBar);
        return 0;
    }
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        ScrollData *d = instance<ScrollData>(cls, object);
        if (!isAlive(d->contents)) return 0;
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object), view = innerBox(d->contents);
        drawScrollKnob(rp, Rect{in.x + in.width, in.y, kBar, in.height}, false, long(getOr(d->contents, attr::VirtHeight, 0)),
                       long(getOr(d->contents, attr::VirtTop, 0)), view.height);
        drawScrollKnob(rp, Rect{in.x, in.y + in.height, in.width, kBar}, true, long(getOr(d->contents, attr::VirtWidth, 0)),
                       long(getOr(d->contents, attr::VirtLeft, 0)), view.width);
        return 0;
    }
    case method::HandleEvent: {
        ScrollData *d = instance<ScrollData>(cls, object);
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (e && e->kind == InputEvent::Wheel && isAlive(d->contents)) {
            const long step = fontHeight(kFontNormal) * (e->code == kWheelUp ? -1 : 1);
            set(d->contents, attr::VirtTop, Word(std::max(0L, long(getOr(d->contents, attr::VirtTop, 0)) + step)));
            redraw(object, kDrawObject);
            return kEat;
        }
        break;
    }
    case method::Get: {
        ScrollData *d = instance<ScrollData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::ScrollContents: return answer(msg, isAlive(d->contents) ? reinterpret_cast<Word>(d->contents) : 0);
        case attr::ScrollFreeHoriz: return answer(msg, d->freeHoriz);
        case attr::ScrollFreeVert: return answer(msg, d->freeVert);
        case attr::ScrollAutoBars: return answer(msg, d->autoBars);
        case attr::ScrollUseWinBorder: return answer(msg, d->useWinBorder);
        }
        break;
    }
    case method::RemMember:
        if (reinterpret_cast<Object *>(msg[1]) == instance<ScrollData>(cls, object)->contents)
            instance<ScrollData>(cls, object)->contents = nullptr;
        break;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kScrollgroupClass = {"Scrollgroup.mui", "Group.mui", sizeof(ScrollData), dispatch, false};

} // namespace tk
