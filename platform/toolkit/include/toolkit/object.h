// The object model: classes with dispatchers, objects with per-class
// instance data, and the operations every caller uses (create, dispose,
// set, get, methods). All operations run on the caller's thread.
#pragma once

#include "toolkit/base.h"
#include "toolkit/taglist.h"

#include <string>
#include <vector>

namespace tk {

struct Class;
struct NotifyRecord;

// A class's handler for every method sent to its objects. It handles what it
// knows and passes the rest to its superclass with doSuperMethod().
using Dispatcher = Word (*)(Class *cls, Object *object, const Word *message);

struct Class {
    std::string name;       // "Group.mui"; empty for a private class
    Class *super = nullptr;
    Dispatcher dispatcher = nullptr;
    size_t instanceOffset = 0; // where this class's data starts in an object
    size_t instanceSize = 0;   // bytes of this class's data (rounded up)
    size_t users = 0;          // objects and subclasses that depend on it
    bool builtIn = false;
    bool addOn = false;        // an add-on class whose presence the versions knob decides
    void *userData = nullptr;  // free for the class's owner
};

struct Object {
    Class *cls = nullptr;
    unsigned char *data = nullptr;   // instance data of every class level
    Object *parent = nullptr;
    std::vector<Object *> children;  // in order; disposed with the object
    std::vector<NotifyRecord *> notifications;
    std::string name;                // the owner's name for it (robot addressing)
    uint64_t serial = 0;             // creation order, for stable diagnostics
    int busy = 0;                    // nesting depth of methods running on it
    int setDepth = 0;                // nesting depth of Set messages
    int firing = 0;                  // nesting depth of its notifications firing
    bool dead = false;               // disposed, memory kept until it is idle
    bool setUp = false, shown = false; // drawing life: Setup/Cleanup and Show/Hide always pair
    // Layout: the sizes the last size query answered, and the room the
    // area's frame, title and spacing take on each side (left, right, top,
    // bottom); classes that draw more around their contents add to it.
    MinMax minMax;
    int inset[4] = {0, 0, 0, 0};
    struct Pending { Word tag; Word value; };
    std::vector<Pending> pendingChanges; // changes collected during a Set
};

// ---------------------------------------------------------------- classes

// A class by its public name ("Window.mui"), or null when there is none or
// it is an add-on class that the versions knob switched off.
Class *findClass(const char *name);

// A private subclass of a named public class (or of `superClass` when
// `superName` is null) with `dataSize` bytes of zeroed instance data.
// Null when the superclass is unknown or creation is made to fail
// (faults.h).
Class *createCustomClass(const char *superName, Class *superClass, size_t dataSize, Dispatcher dispatcher);
// Deletes a class made by createCustomClass. Refused (kErrClassInUse) while
// objects or subclasses of it exist.
int deleteCustomClass(Class *cls);

// This class level's instance data of an object.
inline void *instanceData(Class *cls, Object *object) { return object->data + cls->instanceOffset; }
template <class T> T *instance(Class *cls, Object *object) { return static_cast<T *>(instanceData(cls, object)); }

// ---------------------------------------------------------------- objects

// Creates an object of a class from a tag list; null on failure.
Object *newObject(Class *cls, const TagItem *tags);
Object *newObject(const char *className, const TagItem *tags);
// Disposes an object and all its children. The object is first taken out
// of its parent. When the object or one of its children is in the middle of
// a method, the memory is released once they are all idle; from now on the
// object answers no method.
void disposeObject(Object *object);
// True for an object that exists and is not disposed.
bool isAlive(const Object *object);

// Sends a method. Unknown ids, null and disposed objects answer 0.
Word doMethodA(Object *object, const Word *message);
template <class... A> Word doMethod(Object *object, Word id, A... args)
{
    const Word message[] = {id, Word(args)...};
    return doMethodA(object, message);
}
// Sends a method to a class level of an object, bypassing its own class.
Word coerceMethodA(Class *cls, Object *object, const Word *message);
// Passes a method on to the superclass of `cls`.
Word doSuperMethodA(Class *cls, Object *object, const Word *message);
template <class... A> Word doSuperMethod(Class *cls, Object *object, Word id, A... args)
{
    const Word message[] = {id, Word(args)...};
    return doSuperMethodA(cls, object, message);
}

// Sets a whole list in one operation: items apply in order; a no-notify
// item silences the items after it.
void setAttrs(Object *object, const TagItem *tags);
void set(Object *object, Word attribute, Word value);
void setQuiet(Object *object, Word attribute, Word value);
// Reads an attribute. False when the object does not know it (the storage
// is then left alone).
bool get(Object *object, Word attribute, Word *storage);
// Reads an attribute, answering `fallback` when it is unknown.
Word getOr(Object *object, Word attribute, Word fallback);

// ------------------------------------------------------------ tree helpers

// The object's window (the window itself for a window), or null.
Object *windowOf(Object *object);
// The application above the object, or null.
Object *applicationOf(Object *object);
// Adds a child at `index` (-1: at the end); takes it out of an earlier parent.
void adopt(Object *parent, Object *child, long index = -1);
// Takes a child out of its parent without disposing it. False when it is
// not a child of that parent.
bool release(Object *parent, Object *child);
// True when `child` is a live object that may become a child of `parent`:
// not the parent itself nor one of its ancestors.
bool canAdopt(Object *parent, Object *child);
// The position of a child among its parent's children, or -1.
long childIndex(Object *parent, Object *child);
// Calls fn on the object and every object below it, parents first.
template <class F> void walkTree(Object *object, F fn)
{
    fn(object);
    for (size_t i = 0; i < object->children.size(); ++i) walkTree(object->children[i], fn);
}

} // namespace tk
