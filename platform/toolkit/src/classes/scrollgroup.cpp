// Scrollgroup.mui: shows a virtual group through scrollbars.
#include "class_support.h"

namespace tk {

namespace {

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
