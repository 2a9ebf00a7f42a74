// Popobject.mui: a field whose button pops up an object (typically a list).
// On opening the string-to-object hook prepares the object from the field;
// closing with a choice runs the object-to-string hook.
#include "class_support.h"

namespace tk {

namespace {

struct PopObjData {
    Object *popup = nullptr;
    Hook *strObj = nullptr, *objStr = nullptr, *windowHook = nullptr;
    bool open = false;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        PopObjData *d = constructData<PopObjData>(cls, object, msg);
        if (!d) return 0;
        // Without a pop-up object the gadget is a plain field; opening does nothing.
        const TagItem *tags = msgTags(msg);
        d->popup = reinterpret_cast<Object *>(tagData(tags, attr::PopobjectObject, 0));
        // The pop-up object belongs to the gadget but is not one of its shown children.
        if (isAlive(d->popup)) adopt(object, d->popup);
        d->strObj = reinterpret_cast<Hook *>(tagData(tags, attr::PopobjectStrObjHook, 0));
        d->objStr = reinterpret_cast<Hook *>(tagData(tags, attr::PopobjectObjStrHook, 0));
        d->windowHook = reinterpret_cast<Hook *>(tagData(tags, attr::PopobjectWindowHook, 0));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<PopObjData>(cls, object, msg);
    case method::Get: {
        PopObjData *d = instance<PopObjData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::PopobjectObject: return answer(msg, reinterpret_cast<Word>(d->popup));
        case attr::PopaslActive: return answer(msg, d->open);
        }
        break;
    }
    case method::PopstringOpen: {
        PopObjData *d = instance<PopObjData>(cls, object);
        if (d->open || !d->popup) return 0;
        Object *field = reinterpret_cast<Object *>(getOr(object, attr::PopstringString, 0));
        if (d->strObj && d->strObj->entry && !d->strObj->entry(d->strObj, d->popup, field)) return 0;
        d->open = true;
        return 1;
    }
    case method::PopstringClose: {
        PopObjData *d = instance<PopObjData>(cls, object);
        if (!d->open) return 0;
        d->open = false;
        Object *field = reinterpret_cast<Object *>(getOr(object, attr::PopstringString, 0));
        if (msg[1] && d->objStr && d->objStr->entry) d->objStr->entry(d->objStr, d->popup, field);
        return 1;
    }
    case method::Setup:
    case method::Show:
    case method::Hide:
    case method::Cleanup: {
        // The pop-up object is not on screen with the gadget.
        PopObjData *d = instance<PopObjData>(cls, object);
        Object *popup = d->popup;
        if (popup) release(object, popup);
        Word result = doSuperMethodA(cls, object, msg);
        if (popup) adopt(object, popup);
        return result;
    }
    case method::RemMember:
        if (reinterpret_cast<Object *>(msg[1]) == instance<PopObjData>(cls, object)->popup)
            instance<PopObjData>(cls, object)->popup = nullptr;
        break;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kPopobjectClass = {"Popobject.mui", "Popstring.mui", sizeof(PopObjData), dispatch, false};

} // namespace tk
