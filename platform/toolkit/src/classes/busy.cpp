// Busy.mcc (add-on): a bar that moves to show that work goes on.
#include "class_support.h"
#include "draw/parts.h"

#include <algorithm>

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
    case method::AskMinMax:
        doSuperMethodA(cls, object, msg);
        addSize(reinterpret_cast<MinMax *>(msg[1]), 40, 100, kMaxMax, 10, 10, 10);
        return 0;
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        RastPort *rp = rastPortOf(object);
        const Rect in = innerBox(object);
        clearInner(object, kColField);
        // Stripes that move one step with every BusyMove.
        const int shift = int(instance<BusyData>(cls, object)->position % 16);
        for (int x = in.x - 16 + shift; x < in.x + in.width; x += 16)
            for (int y = 0; y < in.height; ++y) {
                const int from = std::max(in.x, x + y), to = std::min(in.x + in.width - 1, x + y + 7);
                if (from <= to) rectFill(rp, from, in.y + y, to, in.y + y, kColFill);
            }
        return 0;
    }
    case method::Get:
        if (msgGetAttr(msg) == attr::BusySpeed) return answer(msg, instance<BusyData>(cls, object)->speed);
        if (msgGetAttr(msg) == attr::BusyPosition) return answer(msg, instance<BusyData>(cls, object)->position);
        break;
    case method::BusyMove:
        ++instance<BusyData>(cls, object)->position;
        redraw(object, kDrawUpdate);
        return 1;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kBusyClass = {"Busy.mcc", "Area.mui", sizeof(BusyData), dispatch, true};

} // namespace tk
