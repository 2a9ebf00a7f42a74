// Register.mui: a page group with a tab per page. The titles are copied; the
// active tab is the group's active page.
#include "class_support.h"

namespace tk {

namespace {

struct RegisterData {
    std::vector<std::string> titles;
    std::vector<const char *> titlePointers; // null-ended, for Get
    Word frame = 0;
};

void keepTitles(RegisterData *d, Word value)
{
    d->titles.clear();
    const char *const *list = reinterpret_cast<const char *const *>(value);
    for (size_t i = 0; list && list[i]; ++i) d->titles.push_back(list[i]);
    d->titlePointers.clear();
    for (const std::string &t : d->titles) d->titlePointers.push_back(t.c_str());
    d->titlePointers.push_back(nullptr);
}

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
        keepTitles(d, tagData(msgTags(msg), attr::RegisterTitles, 0));
        d->frame = tagData(msgTags(msg), attr::RegisterFrame, 0);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<RegisterData>(cls, object, msg);
    case method::Set:
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::RegisterTitles) keepTitles(instance<RegisterData>(cls, object), w.data());
        break;
    case method::Get: {
        RegisterData *d = instance<RegisterData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::RegisterTitles: return answer(msg, reinterpret_cast<Word>(d->titlePointers.data()));
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
