// Notify.mui: the root of every class. Keeps the children, the owner's name
// and user data, runs the family methods and the notification methods.
#include "class_support.h"
#include "toolkit/find.h"
#include "toolkit/versions.h"

namespace tk {

void destroyTree(Object *object); // object.cpp

namespace {

struct NotifyData {
    Word userData = 0;
    Word objectId = 0;
};

Word familyInsert(Object *parent, Object *child, long index)
{
    if (!canAdopt(parent, child)) return 0;
    adopt(parent, child, index);
    return 1;
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    NotifyData *d = instance<NotifyData>(cls, object);
    switch (msg[0]) {
    case method::New: {
        new (d) NotifyData();
        for (TagWalker w(msgTags(msg)); w.next();) {
            switch (w.tag()) {
            case attr::UserData: d->userData = w.data(); break;
            case attr::ObjectID: d->objectId = w.data(); break;
            case attr::Name: setName(object, reinterpret_cast<const char *>(w.data())); break;
            }
        }
        if (!adoptChildren(object, msgTags(msg), attr::FamilyChild)) {
            d->~NotifyData();
            return 0;
        }
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: {
        // Children go with their parent, last first.
        while (!object->children.empty()) {
            Object *child = object->children.back();
            object->children.pop_back();
            child->parent = nullptr;
            child->dead = true;
            destroyTree(child);
        }
        for (NotifyRecord *r : object->notifications) delete r;
        object->notifications.clear();
        d->~NotifyData();
        return 0;
    }
    case method::Set:
        for (TagWalker w(msgTags(msg)); w.next();) {
            switch (w.tag()) {
            case attr::UserData: setField(object, d->userData, attr::UserData, w.data(), w.quiet()); break;
            case attr::ObjectID: d->objectId = w.data(); break;
            case attr::Name: setName(object, reinterpret_cast<const char *>(w.data())); break;
            }
        }
        return 0;
    case method::Get:
        switch (msgGetAttr(msg)) {
        case attr::UserData: return answer(msg, d->userData);
        case attr::ObjectID: return answer(msg, d->objectId);
        case attr::Name: return answer(msg, reinterpret_cast<Word>(object->name.c_str()));
        case attr::Parent: return answer(msg, reinterpret_cast<Word>(object->parent));
        case attr::ApplicationObject: return answer(msg, reinterpret_cast<Word>(applicationOf(object)));
        case attr::WindowObject: return answer(msg, reinterpret_cast<Word>(windowOf(object)));
        case attr::Version: return answer(msg, Word(version()));
        case attr::Revision: return answer(msg, Word(revision()));
        case attr::ClassName: {
            for (Class *c = object->cls; c; c = c->super)
                if (!c->name.empty()) return answer(msg, reinterpret_cast<Word>(c->name.c_str()));
            return false;
        }
        }
        return 0;
    case method::AddMember:
    case method::FamilyAddTail: return familyInsert(object, reinterpret_cast<Object *>(msg[1]), -1);
    case method::FamilyAddHead: return familyInsert(object, reinterpret_cast<Object *>(msg[1]), 0);
    case method::FamilyInsert: {
        Object *after = reinterpret_cast<Object *>(msg[2]);
        long at = after ? childIndex(object, after) : -1;
        if (after && at < 0) return 0;
        return familyInsert(object, reinterpret_cast<Object *>(msg[1]), after ? at + 1 : 0);
    }
    case method::RemMember:
    case method::FamilyRemove: return release(object, reinterpret_cast<Object *>(msg[1])) ? 1 : 0;
    case method::SetAttr: set(object, msg[1], msg[2]); return 1;
    case method::NoNotifySet: setQuiet(object, msg[1], msg[2]); return 1;
    case method::MultiSet:
        for (size_t i = 3; msg[i]; ++i) set(reinterpret_cast<Object *>(msg[i]), msg[1], msg[2]);
        return 1;
    case method::Notify: {
        // (attribute, trigger, destination, count, method, args...)
        size_t count = msg[4];
        if (count == 0 || count > 64) return 0;
        return addNotification(object, msg[1], msg[2], msg[3], msg + 5, count);
    }
    case method::KillNotify: return killNotifications(object, msg[1], 0);
    case method::KillNotifyObj: return killNotifications(object, msg[1], msg[2]);
    case method::CallHook: {
        Hook *hook = reinterpret_cast<Hook *>(msg[1]);
        if (!hook || !hook->entry) return 0;
        return hook->entry(hook, object, const_cast<Word *>(msg + 2));
    }
    case kMethodRetire:
        for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], kMethodRetire);
        return 0;
    case method::Setup:
    case method::Show: return 1;
    }
    return 0;
}

} // namespace

extern const ClassDef kNotifyClass = {"Notify.mui", nullptr, sizeof(NotifyData), dispatch, false};

} // namespace tk
