#include "toolkit/notify.h"

#include "class_support.h"
#include "toolkit/world.h"


namespace tk {

void reapZombies(); // object.cpp

namespace {

Object *resolveDestination(Object *source, Word destination)
{
    switch (destination) {
    case kNotifySelf: return source;
    case kNotifyWindow: return windowOf(source);
    case kNotifyApplication: return applicationOf(source);
    case kNotifyParent: return source->parent;
    default: return reinterpret_cast<Object *>(destination);
    }
}

void compact(Object *object)
{
    std::vector<NotifyRecord *> kept;
    for (NotifyRecord *r : object->notifications) {
        if (r->removed)
            delete r;
        else
            kept.push_back(r);
    }
    object->notifications.swap(kept);
}

void send(Object *source, const NotifyRecord &record, Word value)
{
    Object *destination = resolveDestination(source, record.destination);
    if (!isAlive(destination) || record.message.empty()) return;
    std::vector<Word> message(record.message);
    for (size_t i = 1; i < message.size(); ++i) {
        if (message[i] == kTriggerValue)
            message[i] = value;
        else if (message[i] == kNotTriggerValue)
            message[i] = !value;
    }
    message.push_back(0); // methods that read one word too many see 0
    doMethodA(destination, message.data());
}

// Keeps the source alive and counted while its records run.
struct FiringScope {
    Object *object;
    explicit FiringScope(Object *o) : object(o)
    {
        ++object->busy;
        ++object->firing;
        ++world().notifyDepth;
    }
    ~FiringScope()
    {
        --world().notifyDepth;
        if (--object->firing == 0) compact(object);
        --object->busy;
        if (object->dead && object->busy == 0) reapZombies();
    }
};

} // namespace

void changed(Object *object, Word attribute, Word value, bool quiet)
{
    if (quiet || !isAlive(object)) return;
    if (object->setDepth > 0) {
        // One report per attribute and Set, with its final value: a text
        // given twice in one list would otherwise report a freed copy.
        for (Object::Pending &p : object->pendingChanges)
            if (p.tag == attribute) {
                p.value = value;
                return;
            }
        object->pendingChanges.push_back(Object::Pending{attribute, value});
        return;
    }
    if (object->notifications.empty()) return;
    if (world().notifyDepth >= kMaxNotifyDepth) return;
    FiringScope scope(object);
    // Records added while these run wait for the next change.
    const size_t count = object->notifications.size();
    for (size_t i = 0; i < count && !object->dead; ++i) {
        NotifyRecord *record = object->notifications[i];
        if (record->removed || record->attribute != attribute) continue;
        if (record->trigger != kEveryTime && record->trigger != value) continue;
        send(object, *record, value);
    }
}

void fireRecord(Object *object, NotifyRecord *record, Word value)
{
    if (!isAlive(object) || record->removed) return;
    if (world().notifyDepth >= kMaxNotifyDepth) return;
    FiringScope scope(object);
    send(object, *record, value);
}

Word addNotification(Object *object, Word attribute, Word trigger, Word destination, const Word *message, size_t count)
{
    if (!isAlive(object) || !message || count == 0) return 0;
    NotifyRecord *record = new NotifyRecord;
    record->attribute = attribute;
    record->trigger = trigger;
    record->destination = destination;
    record->message.assign(message, message + count);
    object->notifications.push_back(record);
    return 1;
}

Word killNotifications(Object *object, Word attribute, Word destination)
{
    if (!isAlive(object)) return 0;
    Word removed = 0;
    for (NotifyRecord *r : object->notifications) {
        if (r->removed || r->attribute != attribute) continue;
        if (destination && r->destination != destination) continue;
        r->removed = true;
        ++removed;
    }
    if (object->firing == 0) compact(object);
    return removed;
}

void forgetTarget(Object *target)
{
    const Word destination = reinterpret_cast<Word>(target);
    for (Object *o : world().live) {
        bool any = false;
        for (NotifyRecord *r : o->notifications)
            if (r->destination == destination && !r->removed) r->removed = any = true;
        if (any && o->firing == 0) compact(o);
    }
    // Its own records go with it.
    for (NotifyRecord *r : target->notifications) r->removed = true;
    if (target->firing == 0) compact(target);
}

} // namespace tk
