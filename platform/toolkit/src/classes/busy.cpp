// Busy.mcc (add-on): a bar that moves to show that work goes on.
#include "class_support.h"

namespace tk {

namespace {

struct BusyData {
    Word speed = 0;
    Word position = 0;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        BusyData *d = msg[0] == method::New ? constructData<BusyData>(cls, object, msg) : instance<BusyData>(cls, object);
        if (!d) return 0;
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::BusySpeed) setField(object, d->speed, attr::BusySpeed, w.data(), w.quiet());
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<BusyData>(cls, object, msg);
    case method::Get:
        if (msgGetAttr(msg) == attr::BusySpeed) return answer(msg, instance<BusyData>(cls, object)->speed);
        if (msgGetAttr(msg) == attr::BusyPosition) return answer(msg, instance<BusyData>(cls, object)->position);
        break;
    case method::BusyMove: ++instance<BusyData>(cls, object)->position; return 1;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kBusyClass = {"Busy.mcc", "Area.mui", sizeof(BusyData), dispatch, true};

} // namespace tk
