// Menustrip.mui: the menus of a window (or of a context menu).
#include "class_support.h"

namespace tk {

namespace {

struct StripData {
    bool enabled = true;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        StripData *d = msg[0] == method::New ? constructData<StripData>(cls, object, msg) : instance<StripData>(cls, object);
        if (!d) return 0;
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::MenustripEnabled) setFlag(object, d->enabled, attr::MenustripEnabled, w.data(), w.quiet());
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<StripData>(cls, object, msg);
    case method::Get:
        if (msgGetAttr(msg) == attr::MenustripEnabled) return answer(msg, instance<StripData>(cls, object)->enabled);
        break;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kMenustripClass = {"Menustrip.mui", "Notify.mui", sizeof(StripData), dispatch, false};

} // namespace tk
