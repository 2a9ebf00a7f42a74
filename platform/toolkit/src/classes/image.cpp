// Image.mui: a built-in or supplied image (the check mark of check boxes is
// image 15); it may act as a toggle button.
#include "class_support.h"
#include "draw/parts.h"

namespace tk {

namespace {

// Built-in images: arrows, the check mark, the radio button; the pop-up
// images and others show a small arrow.
constexpr Word kImageArrowUp = 11, kImageArrowDown = 12, kImageArrowLeft = 13, kImageArrowRight = 14;
constexpr Word kImageCheckMark = 15, kImageRadio = 16;

struct ImageData {
    Word image = 0, state = 0;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        ImageData *d = msg[0] == method::New ? constructData<ImageData>(cls, object, msg) : instance<ImageData>(cls, object);
        if (!d) return 0;
        for (TagWalker w(msgTags(msg)); w.next();) {
            if (w.tag() == attr::ImageSpec) d->image = w.data();
            if (w.tag() == attr::ImageState) setField(object, d->state, attr::ImageState, w.data(), w.quiet());
        }
        if (msg[0] == method::Set) redraw(object, kDrawUpdate);
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<ImageData>(cls, object, msg);
    case method::AskMinMax:
        doSuperMethodA(cls, object, msg);
        addSize(reinterpret_cast<MinMax *>(msg[1]), 16, 16, 16, 14, 14, 14);
        return 0;
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        ImageData *d = instance<ImageData>(cls, object);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        if (msg[1] & kDrawUpdate) clearInner(object, innerColour(object));
        const bool on = getOr(object, attr::Selected, 0) != 0;
        switch (d->image) {
        case kImageArrowUp: drawArrow(rp, in, 2, kColText); break;
        case kImageArrowDown: drawArrow(rp, in, 3, kColText); break;
        case kImageArrowLeft: drawArrow(rp, in, 0, kColText); break;
        case kImageArrowRight: drawArrow(rp, in, 1, kColText); break;
        case kImageCheckMark:
            if (on) drawCheck(rp, in, kColText);
            break;
        case kImageRadio:
            drawDisc(rp, in, kColField, kColShadow);
            if (on) drawDisc(rp, Rect{in.x + 4, in.y + 3, in.width - 8, in.height - 6}, kColFill, kColFill);
            break;
        default: drawArrow(rp, in, 3, kColText); break;
        }
        return 0;
    }
    case method::Get:
        if (msgGetAttr(msg) == attr::ImageSpec) return answer(msg, instance<ImageData>(cls, object)->image);
        if (msgGetAttr(msg) == attr::ImageState) return answer(msg, instance<ImageData>(cls, object)->state);
        break;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kImageClass = {"Image.mui", "Area.mui", sizeof(ImageData), dispatch, false};

} // namespace tk
