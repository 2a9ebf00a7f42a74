// Virtgroup.mui: a group larger than its visible part; the visible part
// starts at a virtual left and top position.
#include "class_support.h"
#include "draw/parts.h"

#include <algorithm>

namespace tk {

namespace {

struct VirtData {
    Word left = 0, top = 0, width = 0, height = 0;
    MinMax contents; // what the children need, frame included
};

// The children are laid out on the whole virtual area, which is at least as
// large as the visible part, and shifted by the virtual position.
void placeContents(Object *object, VirtData *d)
{
    const Rect in = innerBox(object);
    const long insetW = object->inset[0] + object->inset[1], insetH = object->inset[2] + object->inset[3];
    const long w = std::max<long>(in.width, std::min(d->contents.defWidth, std::max(d->contents.maxWidth, d->contents.minWidth)) - insetW);
    const long h = std::max<long>(in.height, std::min(d->contents.defHeight, std::max(d->contents.maxHeight, d->contents.minHeight)) - insetH);
    d->width = Word(w);
    d->height = Word(h);
    d->left = Word(std::clamp<long>(long(d->left), 0, std::max(0L, w - in.width)));
    d->top = Word(std::clamp<long>(long(d->top), 0, std::max(0L, h - in.height)));
    const Rect area{in.x - int(d->left), in.y - int(d->top), int(w), int(h)};
    doMethod(object, kMethodGroupPlaceAt, &area);
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        VirtData *d = msg[0] == method::New ? constructData<VirtData>(cls, object, msg) : instance<VirtData>(cls, object);
        if (!d) return 0;
        const Word oldLeft = d->left, oldTop = d->top;
        for (TagWalker w(msgTags(msg)); w.next();) {
            // Positions are never negative.
            const Word v = SWord(w.data()) < 0 ? 0 : w.data();
            switch (w.tag()) {
            case attr::VirtLeft: setField(object, d->left, attr::VirtLeft, v, w.quiet()); break;
            case attr::VirtTop: setField(object, d->top, attr::VirtTop, v, w.quiet()); break;
            }
        }
        if (msg[0] == method::New) return reinterpret_cast<Word>(object);
        if ((oldLeft != d->left || oldTop != d->top) && object->shown) {
            placeContents(object, d);
            redraw(object, kDrawObject);
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<VirtData>(cls, object, msg);
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        VirtData *d = instance<VirtData>(cls, object);
        MinMax *mm = reinterpret_cast<MinMax *>(msg[1]);
        // The contents may be larger than the visible part.
        const long insetW = object->inset[0] + object->inset[1], insetH = object->inset[2] + object->inset[3];
        d->contents = *mm;
        mm->minWidth = insetW + 16;
        mm->minHeight = insetH + 16;
        mm->maxWidth = mm->maxHeight = kMaxMax;
        return 0;
    }
    case method::Layout:
        doSuperMethodA(cls, object, msg);
        placeContents(object, instance<VirtData>(cls, object));
        return 1;
    case method::Draw: {
        RastPort *rp = rastPortOf(object);
        pushLimit(rp, innerBox(object));
        doSuperMethodA(cls, object, msg);
        popLimit(rp);
        return 0;
    }
    case method::Get: {
        VirtData *d = instance<VirtData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::VirtLeft: return answer(msg, d->left);
        case attr::VirtTop: return answer(msg, d->top);
        case attr::VirtWidth: return answer(msg, d->width);
        case attr::VirtHeight: return answer(msg, d->height);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kVirtgroupClass = {"Virtgroup.mui", "Group.mui", sizeof(VirtData), dispatch, false};

} // namespace tk
