// Helpers shared by the built-in classes: their table row, reading method
// messages, and constructing and destroying C++ instance data.
#pragma once

#include "toolkit/attributes.h"
#include "toolkit/methods.h"
#include "toolkit/notify.h"
#include "toolkit/object.h"

#include <new>
#include <string>
#include <vector>

namespace tk {

// One row of the class table.
struct ClassDef {
    const char *name;
    const char *superName; // null for the root class
    size_t dataSize;
    Dispatcher dispatcher;
    bool addOn;
};

// The class table, in creation order (superclasses first), ended by null.
extern const ClassDef *const kClassTable[];

// Reading messages.
inline const TagItem *msgTags(const Word *msg) { return reinterpret_cast<const TagItem *>(msg[1]); }
inline Word msgGetAttr(const Word *msg) { return msg[1]; }
inline Word *msgGetStore(const Word *msg) { return reinterpret_cast<Word *>(msg[2]); }

// New: runs the superclass, then constructs this level's data. Null when
// the superclass failed.
template <class Data> Data *constructData(Class *cls, Object *object, const Word *msg)
{
    if (!doSuperMethodA(cls, object, msg)) return nullptr;
    return new (instanceData(cls, object)) Data();
}
// Ends a New that failed after constructData: destroys the data and lets the
// superclasses clean up. Answers 0 for the dispatcher to return.
template <class Data> Word abandonNew(Class *cls, Object *object)
{
    instance<Data>(cls, object)->~Data();
    doSuperMethod(cls, object, method::Dispose);
    return 0;
}
// Dispose: destroys this level's data, then the superclasses'.
template <class Data> Word destroyData(Class *cls, Object *object, const Word *msg)
{
    instance<Data>(cls, object)->~Data();
    return doSuperMethodA(cls, object, msg);
}

// Stores a word attribute and reports a real change.
inline void setField(Object *object, Word &field, Word attribute, Word value, bool quiet)
{
    if (field == value) return;
    field = value;
    changed(object, attribute, value, quiet);
}
inline void setFlag(Object *object, bool &field, Word attribute, Word value, bool quiet)
{
    bool v = value != 0;
    if (field == v) return;
    field = v;
    changed(object, attribute, v, quiet);
}
// Stores a copied text; a null pointer stores an empty text.
inline void setText(Object *object, std::string &field, Word attribute, Word value, bool quiet)
{
    const char *text = reinterpret_cast<const char *>(value);
    std::string v = text ? text : "";
    if (field == v) return;
    field = v;
    changed(object, attribute, reinterpret_cast<Word>(field.c_str()), quiet);
}
inline Word textWord(const std::string &text) { return reinterpret_cast<Word>(text.c_str()); }
inline bool answer(const Word *msg, Word value)
{
    *msgGetStore(msg) = value;
    return true;
}

// A copied null-ended array of texts (cycle entries, register titles), with
// the pointer array handed out by Get.
struct TextArray {
    std::vector<std::string> texts;
    std::vector<const char *> pointers{nullptr};
    void assign(Word value)
    {
        texts.clear();
        const char *const *list = reinterpret_cast<const char *const *>(value);
        for (size_t i = 0; list && list[i]; ++i) texts.push_back(list[i]);
        pointers.clear();
        for (const std::string &t : texts) pointers.push_back(t.c_str());
        pointers.push_back(nullptr);
    }
    Word word() const { return reinterpret_cast<Word>(pointers.data()); }
    long size() const { return long(texts.size()); }
};

// Adopts every child given with `childTag` in a creation list. When one of
// them is null (its creation failed) the others are disposed and false comes
// back: the caller's creation fails, as the children were handed over to it.
bool adoptChildren(Object *parent, const TagItem *tags, Word childTag);

// Watched object references: the slot is cleared when the object it points
// to is disposed.
void watchSlot(Object **slot);
void unwatchSlot(Object **slot);
struct WeakObject {
    Object *ptr = nullptr;
    WeakObject() { watchSlot(&ptr); }
    ~WeakObject() { unwatchSlot(&ptr); }
    WeakObject(const WeakObject &) = delete;
    WeakObject &operator=(const WeakObject &) = delete;
    WeakObject &operator=(Object *o) { ptr = o; return *this; }
    operator Object *() const { return ptr; }
};

// Internal method: sent to an object before it is disposed so it leaves the
// screen (windows close, areas hide and clean up).
constexpr Word kMethodRetire = 0xFA000100;
// Internal method: a window joined an application; it opens now when it was
// asked to before.
constexpr Word kMethodWindowAttached = 0xFA000101;
// Internal method (Word iconified): the application was iconified or came
// back; an open window takes its contents off the screen or shows them again.
constexpr Word kMethodWindowIconify = 0xFA000102;

// Internal method (SWord innerWidth, SWord innerHeight): an open window
// lays itself out anew, at that inside size (-1: as it is, as far as the
// contents allow), and draws everything.
constexpr Word kMethodWindowRelayout = 0xFA000103;

// Internal method (const Rect *area): a group places its children inside
// `area` instead of its inside (virtual groups: the whole virtual area).
constexpr Word kMethodGroupPlaceAt = 0xFA000104;

// Fires one notification record of an object with a value (key bindings).
void fireRecord(Object *object, NotifyRecord *record, Word value);

} // namespace tk
