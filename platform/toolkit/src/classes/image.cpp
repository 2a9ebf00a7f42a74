// Image.mui: a built-in or supplied image (the check mark of check boxes is
// image 15); it may act as a toggle button.
#include "class_support.h"

namespace tk {

namespace {

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
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<ImageData>(cls, object, msg);
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
