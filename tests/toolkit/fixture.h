// Shared test scaffolding: a fresh world per test and small builders.
#pragma once

#include "toolkit/toolkit.h"

#include <gtest/gtest.h>

#include <vector>

namespace tk::test {

class World : public ::testing::Test {
protected:
    void SetUp() override { resetWorld(); }
    void TearDown() override { resetWorld(); }
};

inline Word w(const void *p) { return reinterpret_cast<Word>(p); }
inline Word w(const char *p) { return reinterpret_cast<Word>(p); }

inline Object *make(const char *cls, std::initializer_list<TagItem> tags = {})
{
    return newObject(cls, TagList(tags).data());
}

// An application with one window whose root group holds `widgets`.
struct App {
    Object *app = nullptr;
    Object *window = nullptr;
    Object *root = nullptr;
};
inline App makeApp(std::vector<Object *> widgets, bool open = true)
{
    std::vector<TagItem> groupTags;
    for (Object *o : widgets) groupTags.push_back(TagItem{attr::GroupChild, reinterpret_cast<Word>(o)});
    groupTags.push_back(TagItem{kTagDone, 0});
    App a;
    a.root = newObject("Group.mui", groupTags.data());
    a.window = make("Window.mui", {{attr::WinTitle, w("Main")}, {attr::WinRootObject, w(a.root)}, {attr::Name, w("main")}});
    a.app = make("Application.mui", {{attr::AppWindow, w(a.window)}});
    if (open) set(a.window, attr::WinOpen, 1);
    return a;
}

// Runs the pump until it has nothing more; returns the ids in order.
inline std::vector<Word> pumpAll(Object *app)
{
    std::vector<Word> ids;
    for (int guard = 0; guard < 1000; ++guard) {
        Word signals = 0;
        Word id = doMethod(app, method::AppNewInput, &signals);
        if (!id) break;
        ids.push_back(id);
    }
    return ids;
}

// Collects the values a notification passes on through a hook call.
struct Recorder {
    Hook hook{&Recorder::entry, this};
    std::vector<Word> values;
    static Word entry(Hook *h, Object *, void *message)
    {
        static_cast<Recorder *>(h->data)->values.push_back(static_cast<Word *>(message)[0]);
        return 0;
    }
    void watch(Object *object, Word attribute, Word trigger, Word argument = kTriggerValue)
    {
        doMethod(object, method::Notify, attribute, trigger, kNotifySelf, 3, method::CallHook, w(&hook), argument);
    }
};

// A notification that hands `id` to the application when `attribute` of
// `object` reaches `trigger`.
inline void notifyId(Object *object, Word attribute, Word trigger, Word id)
{
    doMethod(object, method::Notify, attribute, trigger, kNotifyApplication, 2, method::AppReturnID, id);
}

} // namespace tk::test
