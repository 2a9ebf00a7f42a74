// Notifications: "when attribute A of this object takes value V, send this
// method to that object". Classes report changes of their attributes with
// changed() or pulse(); the layer fires the matching notifications.
#pragma once

#include "toolkit/object.h"

#include <vector>

namespace tk {

struct NotifyRecord {
    Word attribute = 0;
    Word trigger = 0;            // a value, or kEveryTime
    Word destination = 0;        // an Object*, or kNotifySelf/Window/Application/Parent
    std::vector<Word> message;   // method id and arguments; kTriggerValue is replaced
    bool removed = false;        // killed while it was firing; dropped afterwards
};

// Reports that an attribute now has `value`. Classes call it only when the
// value really changed. `quiet` silences it (a no-notify item before it in
// the same Set). Inside a Set the notifications fire when the whole list is
// applied, in the order the changes were reported, once per attribute with
// its final value.
void changed(Object *object, Word attribute, Word value, bool quiet = false);
// Reports an event attribute (close request, pressed, double click, menu
// trigger, acknowledge): it notifies on every occurrence, even when the value
// is the same as last time.
inline void pulse(Object *object, Word attribute, Word value, bool quiet = false)
{
    changed(object, attribute, value, quiet);
}

// Adds a notification; the message words are copied. Answers 1.
Word addNotification(Object *object, Word attribute, Word trigger, Word destination, const Word *message, size_t count);
// Removes the notifications on an attribute (of one destination when
// `destination` is not 0). Answers the number removed.
Word killNotifications(Object *object, Word attribute, Word destination);
// Drops every notification of any object that targets `target`.
void forgetTarget(Object *target);

// Notifications may set attributes that fire further notifications; chains
// deeper than this are cut (a cycle of event attributes would never end).
constexpr int kMaxNotifyDepth = 64;

} // namespace tk
