// Virtgroup.mui: a group larger than its visible part; the visible part
// starts at a virtual left and top position.
#include "class_support.h"

namespace tk {

namespace {

struct VirtData {
    Word left = 0, top = 0, width = 0, height = 0;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        VirtData *d = msg[0] == method::New ? constructData<VirtData>(cls, object, msg) : instance<VirtData>(cls, object);
        if (!d) return 0;
        for (TagWalker w(msgTags(msg)); w.next();) {
            // Positions are never negative.
            const Word v = SWord(w.data()) < 0 ? 0 : w.data();
            switch (w.tag()) {
            case attr::VirtLeft: setField(object, d->left, attr::VirtLeft, v, w.quiet()); break;
            case attr::VirtTop: setField(object, d->top, attr::VirtTop, v, w.quiet()); break;
            }
        }
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<VirtData>(cls, object, msg);
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
