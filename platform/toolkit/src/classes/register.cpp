// Register.mui: a page group with a tab per page. The titles are copied; the
// active tab is the group's active page.
#include "class_support.h"

namespace tk {

namespace {

struct RegisterData {
    TextArray titles;
    Word frame = 0;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        // The pages: always in page mode, whatever the list says.
        std::vector<TagItem> tags;
        tags.push_back(TagItem{attr::GroupPageMode, 1});
        for (const TagItem *t = msgTags(msg); t && t->tag != kTagDone; ++t)
            if (t->tag != attr::GroupPageMode) tags.push_back(*t);
        tags.push_back(TagItem{kTagDone, 0});
        const Word message[] = {method::New, reinterpret_cast<Word>(tags.data())};
        RegisterData *d = constructData<RegisterData>(cls, object, message);
        if (!d) return 0;
        d->titles.assign(tagData(msgTags(msg), attr::RegisterTitles, 0));
        d->frame = tagData(msgTags(msg), attr::RegisterFrame, 0);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<RegisterData>(cls, object, msg);
    case method::Set:
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::RegisterTitles) instance<RegisterData>(cls, object)->titles.assign(w.data());
        break;
    case method::Get: {
        RegisterData *d = instance<RegisterData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::RegisterTitles: return answer(msg, d->titles.word());
        case attr::RegisterFrame: return answer(msg, d->frame);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kRegisterClass = {"Register.mui", "Group.mui", sizeof(RegisterData), dispatch, false};

} // namespace tk
