#include "toolkit/object.h"

#include "class_support.h"
#include "toolkit/attributes.h"
#include "toolkit/methods.h"
#include "toolkit/notify.h"
#include "toolkit/world.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tk {

namespace {

constexpr size_t kAlign = alignof(std::max_align_t);
size_t roundUp(size_t n) { return (n + kAlign - 1) / kAlign * kAlign; }

const std::string &publicName(const Class *cls)
{
    static const std::string none;
    for (const Class *c = cls; c; c = c->super)
        if (!c->name.empty()) return c->name;
    return none;
}

// Counts down a fault-injection counter: true when this attempt must fail.
bool injectFailure(long &countdown)
{
    if (countdown < 0) return false;
    if (countdown == 0) {
        countdown = -1;
        return true;
    }
    --countdown;
    return false;
}

void freeObjectMemory(Object *object)
{
    World &w = world();
    w.live.erase(object);
    if (object->cls) --object->cls->users;
    ::operator delete(object->data);
    delete object;
}

bool subtreeIdle(const Object *object)
{
    if (object->busy > 0 || object->firing > 0) return false;
    for (const Object *child : object->children)
        if (!subtreeIdle(child)) return false;
    return true;
}

} // namespace

// Runs the Dispose message down a dead tree and releases the memory. The
// root class disposes the children (see the Notify class).
void destroyTree(Object *object)
{
    ++object->busy;
    const Word message[] = {method::Dispose};
    object->cls->dispatcher(object->cls, object, message);
    --object->busy;
    freeObjectMemory(object);
}

void reapZombies()
{
    World &w = world();
    for (size_t i = 0; i < w.zombies.size();) {
        Object *z = w.zombies[i];
        if (subtreeIdle(z)) {
            w.zombies.erase(w.zombies.begin() + long(i));
            destroyTree(z);
            i = 0; // destroying may have changed the list
        } else {
            ++i;
        }
    }
}

// ---------------------------------------------------------------- classes

void createBuiltInClasses(World &w)
{
    for (size_t i = 0; kClassTable[i]; ++i) {
        const ClassDef &def = *kClassTable[i];
        Class *cls = new Class;
        cls->name = def.name;
        cls->dispatcher = def.dispatcher;
        cls->builtIn = true;
        cls->addOn = def.addOn;
        if (def.superName) {
            for (Class *c : w.classes)
                if (c->name == def.superName) cls->super = c;
        }
        cls->instanceOffset = cls->super ? cls->super->instanceOffset + cls->super->instanceSize : 0;
        cls->instanceSize = roundUp(def.dataSize);
        if (cls->super) ++cls->super->users;
        w.classes.push_back(cls);
    }
}

void deleteAllClasses(World &w)
{
    // Built-in classes stay; custom classes are deleted, newest first.
    while (!w.customClasses.empty()) {
        Class *cls = w.customClasses.back();
        w.customClasses.pop_back();
        if (cls->super) --cls->super->users;
        delete cls;
    }
}

Class *findClass(const char *name)
{
    if (!name) return nullptr;
    for (Class *cls : world().classes) {
        if (cls->name != name) continue;
        if (cls->addOn) {
            World &w = world();
            for (const AddOnClass &a : w.addOns)
                if (a.name == cls->name && !a.present) return nullptr;
        }
        return cls;
    }
    return nullptr;
}

Class *createCustomClass(const char *superName, Class *superClass, size_t dataSize, Dispatcher dispatcher)
{
    World &w = world();
    Class *super = superName ? findClass(superName) : superClass;
    if (!super || !dispatcher) return nullptr;
    if (injectFailure(w.customClassFailCountdown)) return nullptr;
    Class *cls = new Class;
    cls->super = super;
    cls->dispatcher = dispatcher;
    cls->instanceOffset = super->instanceOffset + super->instanceSize;
    cls->instanceSize = roundUp(dataSize);
    ++super->users;
    w.customClasses.push_back(cls);
    return cls;
}

int deleteCustomClass(Class *cls)
{
    World &w = world();
    auto it = std::find(w.customClasses.begin(), w.customClasses.end(), cls);
    if (it == w.customClasses.end()) return kErrBadArgument;
    if (cls->users > 0) return kErrClassInUse;
    w.customClasses.erase(it);
    if (cls->super) --cls->super->users;
    delete cls;
    return kOk;
}

// ---------------------------------------------------------------- objects

Object *newObject(Class *cls, const TagItem *tags)
{
    if (!cls) return nullptr;
    World &w = world();
    auto fault = w.newObjectFailCountdown.find(publicName(cls));
    if (fault != w.newObjectFailCountdown.end() && injectFailure(fault->second)) {
        w.newObjectFailCountdown.erase(fault);
        // The children handed over with the list are the caller's loss either way.
        for (TagWalker walk(tags); walk.next();) {
            Word t = walk.tag();
            if (t == attr::GroupChild || t == attr::FamilyChild || t == attr::AppWindow || t == attr::WinRootObject)
                disposeObject(reinterpret_cast<Object *>(walk.data()));
        }
        return nullptr;
    }
    Object *object = new Object;
    object->cls = cls;
    size_t size = cls->instanceOffset + cls->instanceSize;
    object->data = static_cast<unsigned char *>(::operator new(size ? size : kAlign));
    memset(object->data, 0, size ? size : kAlign);
    object->serial = w.nextSerial++;
    w.live.insert(object);
    ++cls->users;

    const Word message[] = {method::New, reinterpret_cast<Word>(tags)};
    ++object->busy;
    Word result = cls->dispatcher(cls, object, message);
    --object->busy;
    if (!result) {
        // The classes have undone their own work; children they adopted were
        // disposed by the root class.
        freeObjectMemory(object);
        return nullptr;
    }
    return object;
}

Object *newObject(const char *className, const TagItem *tags) { return newObject(findClass(className), tags); }

bool isAlive(const Object *object)
{
    return object && world().live.count(const_cast<Object *>(object)) && !object->dead;
}

void disposeObject(Object *object)
{
    if (!isAlive(object)) return;
    World &w = world();
    // Leave the screen first, then the parent, while everything still answers.
    doMethod(object, kMethodRetire);
    if (object->parent) {
        Object *parent = object->parent;
        doMethod(parent, method::RemMember, object);
        if (object->parent) release(object->parent, object);
    }
    walkTree(object, [&](Object *o) {
        o->dead = true;
        o->pendingChanges.clear();
        forgetTarget(o);
        for (auto it = w.pushed.begin(); it != w.pushed.end();)
            it = it->destination == o ? w.pushed.erase(it) : it + 1;
    });
    for (Object **slot : w.weakSlots) {
        if (!*slot) continue;
        for (Object *p = *slot; p; p = p->parent)
            if (p == object) {
                *slot = nullptr;
                break;
            }
    }
    if (subtreeIdle(object))
        destroyTree(object);
    else
        w.zombies.push_back(object);
}

void destroyAllObjects(World &w)
{
    // Applications and parentless objects first; each takes its tree along.
    for (;;) {
        Object *root = nullptr;
        for (Object *o : w.live)
            if (!o->dead && !o->parent && (!root || o->serial < root->serial)) root = o;
        if (!root) break;
        disposeObject(root);
    }
    // Anything still held by a method on the stack cannot be here in a reset;
    // free what is left.
    while (!w.zombies.empty()) {
        Object *z = w.zombies.back();
        w.zombies.pop_back();
        walkTree(z, [](Object *o) { o->busy = 0; o->firing = 0; });
        destroyTree(z);
    }
}

Word coerceMethodA(Class *cls, Object *object, const Word *message)
{
    if (!cls || !object || !world().live.count(object)) return 0;
    if (object->dead && message[0] != method::Dispose) return 0;
    ++object->busy;
    Word result = cls->dispatcher(cls, object, message);
    --object->busy;
    if (object->dead && object->busy == 0) reapZombies();
    return result;
}

namespace {

// Setup and Cleanup, Show and Hide reach a class only in pairs and in order
// (no Show before Setup), however often the tree around it sends them.
bool drawLifeAllows(Object *object, Word id, Word *answer)
{
    switch (id) {
    case method::Setup: *answer = 1; return !object->setUp;
    case method::Cleanup: *answer = 0; return object->setUp && !object->shown;
    case method::Show: *answer = object->shown; return object->setUp && !object->shown;
    case method::Hide: *answer = 0; return object->shown;
    }
    return true;
}

void noteDrawLife(Object *object, Word id, Word result)
{
    switch (id) {
    case method::Setup: object->setUp = result != 0; break;
    case method::Cleanup: object->setUp = false; break;
    case method::Show: object->shown = result != 0; break;
    case method::Hide: object->shown = false; break;
    }
}

} // namespace

Word doMethodA(Object *object, const Word *message)
{
    if (!object || !world().live.count(object) || object->dead) return 0;
    Word early = 0;
    if (!drawLifeAllows(object, message[0], &early)) return early;
    const bool isSet = message[0] == method::Set;
    ++object->busy;
    if (isSet) ++object->setDepth;
    Word result = object->cls->dispatcher(object->cls, object, message);
    noteDrawLife(object, message[0], result);
    if (isSet && --object->setDepth == 0 && !object->dead && !object->pendingChanges.empty()) {
        // Notifications of a Set fire once the whole list has been applied.
        std::vector<Object::Pending> pending;
        pending.swap(object->pendingChanges);
        for (const Object::Pending &p : pending) {
            if (object->dead) break;
            changed(object, p.tag, p.value, false);
        }
    }
    --object->busy;
    if (object->dead && object->busy == 0) reapZombies();
    return result;
}

Word doSuperMethodA(Class *cls, Object *object, const Word *message)
{
    if (!cls || !cls->super) return 0;
    return cls->super->dispatcher(cls->super, object, message);
}

void setAttrs(Object *object, const TagItem *tags)
{
    doMethod(object, method::Set, reinterpret_cast<Word>(tags));
}

void set(Object *object, Word attribute, Word value)
{
    const TagItem tags[] = {{attribute, value}, {kTagDone, 0}};
    setAttrs(object, tags);
}

void setQuiet(Object *object, Word attribute, Word value)
{
    const TagItem tags[] = {{attr::NoNotify, 1}, {attribute, value}, {kTagDone, 0}};
    setAttrs(object, tags);
}

bool get(Object *object, Word attribute, Word *storage)
{
    Word scratch = 0;
    if (!doMethod(object, method::Get, attribute, &scratch)) return false;
    if (storage) *storage = scratch;
    return true;
}

Word getOr(Object *object, Word attribute, Word fallback)
{
    Word value = fallback;
    get(object, attribute, &value);
    return value;
}

// ------------------------------------------------------------ tree helpers

Object *windowOf(Object *object)
{
    Class *window = findClass("Window.mui");
    for (Object *o = object; o; o = o->parent)
        for (Class *c = o->cls; c; c = c->super)
            if (c == window) return o;
    return nullptr;
}

Object *applicationOf(Object *object)
{
    Class *app = findClass("Application.mui");
    for (Object *o = object; o; o = o->parent)
        for (Class *c = o->cls; c; c = c->super)
            if (c == app) return o;
    return nullptr;
}

void adopt(Object *parent, Object *child, long index)
{
    if (!parent || !child || parent == child) return;
    if (child->parent) release(child->parent, child);
    auto &kids = parent->children;
    if (index < 0 || size_t(index) > kids.size())
        kids.push_back(child);
    else
        kids.insert(kids.begin() + index, child);
    child->parent = parent;
}

bool release(Object *parent, Object *child)
{
    if (!parent || !child || child->parent != parent) return false;
    auto &kids = parent->children;
    kids.erase(std::remove(kids.begin(), kids.end(), child), kids.end());
    child->parent = nullptr;
    return true;
}

bool canAdopt(Object *parent, Object *child)
{
    if (!isAlive(parent) || !isAlive(child)) return false;
    for (Object *p = parent; p; p = p->parent)
        if (p == child) return false;
    return true;
}

long childIndex(Object *parent, Object *child)
{
    if (!parent) return -1;
    auto it = std::find(parent->children.begin(), parent->children.end(), child);
    return it == parent->children.end() ? -1 : long(it - parent->children.begin());
}

bool adoptChildren(Object *parent, const TagItem *tags, Word childTag)
{
    bool complete = true;
    for (TagWalker walk(tags); walk.next();)
        if (walk.tag() == childTag && !walk.data()) complete = false;
    for (TagWalker walk(tags); walk.next();) {
        if (walk.tag() != childTag || !walk.data()) continue;
        Object *child = reinterpret_cast<Object *>(walk.data());
        if (!isAlive(child)) continue;
        if (complete)
            adopt(parent, child);
        else
            disposeObject(child);
    }
    return complete;
}

void watchSlot(Object **slot) { world().weakSlots.insert(slot); }
void unwatchSlot(Object **slot) { world().weakSlots.erase(slot); }

} // namespace tk
