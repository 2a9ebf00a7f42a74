// Popstring.mui: a text field with a button that pops something up. The
// field is a String object inside; its contents are the gadget's contents
// and their changes are reported by the gadget itself.
#include "class_support.h"
#include "toolkit/input.h"

namespace tk {

namespace {

constexpr Word kMethodFieldChanged = 0xFA000110; // (contents)

struct PopData {
    Object *field = nullptr;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        const TagItem *tags = msgTags(msg);
        Object *field = reinterpret_cast<Object *>(tagData(tags, attr::PopstringString, 0));
        if (!field) {
            const TagItem fieldTags[] = {{attr::StringContents, tagData(tags, attr::StringContents, 0)},
                                         {attr::StringMaxLen, tagData(tags, attr::StringMaxLen, 1024)},
                                         {attr::CycleChain, 1},
                                         {kTagDone, 0}};
            field = newObject("String.mui", fieldTags);
        }
        Object *button = reinterpret_cast<Object *>(tagData(tags, attr::PopstringButton, 0));
        if (!field) {
            disposeObject(button);
            return 0;
        }
        const TagItem groupTags[] = {{attr::GroupHoriz, 1},
                                     {attr::GroupChild, reinterpret_cast<Word>(field)},
                                     {button ? attr::GroupChild : kTagIgnore, reinterpret_cast<Word>(button)},
                                     {kTagIgnore, 0},
                                     {kTagDone, 0}};
        std::vector<TagItem> all(groupTags, groupTags + 4);
        for (const TagItem *t = tags; t && t->tag != kTagDone; ++t)
            if (t->tag != attr::GroupChild && t->tag != attr::StringContents) all.push_back(*t);
        all.push_back(TagItem{kTagDone, 0});
        const Word message[] = {method::New, reinterpret_cast<Word>(all.data())};
        PopData *d = constructData<PopData>(cls, object, message);
        if (!d) return 0;
        d->field = field;
        doMethod(field, method::Notify, attr::StringContents, kEveryTime, reinterpret_cast<Word>(object), 2,
                 kMethodFieldChanged, kTriggerValue);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<PopData>(cls, object, msg);
    case method::Set:
        for (TagWalker w(msgTags(msg)); w.next();)
            if (w.tag() == attr::StringContents)
                setAttrs(instance<PopData>(cls, object)->field,
                         TagList{{attr::NoNotify, w.quiet()}, {attr::StringContents, w.data()}}.data());
        break;
    case method::Get:
        if (msgGetAttr(msg) == attr::StringContents)
            return answer(msg, getOr(instance<PopData>(cls, object)->field, attr::StringContents, 0));
        if (msgGetAttr(msg) == attr::PopstringString)
            return answer(msg, reinterpret_cast<Word>(instance<PopData>(cls, object)->field));
        break;
    case kMethodFieldChanged: changed(object, attr::StringContents, msg[1]); return 1;
    case method::HandleEvent: {
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (e && e->kind == InputEvent::Button && e->code == kSelectDown && !getOr(object, attr::Disabled, 0)) {
            doMethod(object, method::PopstringOpen);
            return kEat;
        }
        if (e && (e->kind == InputEvent::Character || e->kind == InputEvent::Key))
            return doMethod(instance<PopData>(cls, object)->field, method::HandleEvent, msg[1]);
        break;
    }
    case method::PopstringOpen:
    case method::PopstringClose: return 0;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kPopstringClass = {"Popstring.mui", "Group.mui", sizeof(PopData), dispatch, false};

} // namespace tk
