#include "fixture.h"

#include <cctype>
#include <string>

namespace tk::test {
namespace {

constexpr Word kPrivateLevel = 0x8FF00001; // ISG, notifies
constexpr Word kPrivateDouble = 0x8FF00010; // method: level * 2
constexpr Word kFailNew = 0x8FF00002;       // I: make creation fail after the superclass succeeded

struct Counter {
    Word level;
    int sets;
    int disposed;
};
int g_disposed = 0;

// A Text subclass: a private attribute and method, and texts forced to
// upper case on the way to the superclass.
Word counterDispatch(Class *cls, Object *obj, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        if (!doSuperMethodA(cls, obj, msg)) return 0;
        Counter *c = instance<Counter>(cls, obj);
        const TagItem *tags = reinterpret_cast<const TagItem *>(msg[1]);
        c->level = tagData(tags, kPrivateLevel, 0);
        if (tagData(tags, kFailNew, 0)) {
            doSuperMethod(cls, obj, method::Dispose);
            return 0;
        }
        return reinterpret_cast<Word>(obj);
    }
    case method::Dispose: ++g_disposed; break;
    case method::Set: {
        Counter *c = instance<Counter>(cls, obj);
        ++c->sets;
        std::vector<TagItem> copy;
        std::vector<std::string> upper;
        upper.reserve(8);
        for (TagWalker walk(reinterpret_cast<const TagItem *>(msg[1])); walk.next();) {
            if (walk.tag() == kPrivateLevel) {
                if (c->level != walk.data()) {
                    c->level = walk.data();
                    changed(obj, kPrivateLevel, c->level, walk.quiet());
                }
                continue;
            }
            TagItem item{walk.tag(), walk.data()};
            if (walk.tag() == attr::TextContents && walk.data()) {
                std::string s = reinterpret_cast<const char *>(walk.data());
                for (char &ch : s) ch = char(toupper(static_cast<unsigned char>(ch)));
                upper.push_back(s);
                item.data = reinterpret_cast<Word>(upper.back().c_str());
            }
            copy.push_back(item);
        }
        copy.push_back(TagItem{kTagDone, 0});
        const Word superMsg[] = {method::Set, reinterpret_cast<Word>(copy.data())};
        return doSuperMethodA(cls, obj, superMsg);
    }
    case method::Get:
        if (msg[1] == kPrivateLevel) {
            *reinterpret_cast<Word *>(msg[2]) = instance<Counter>(cls, obj)->level;
            return 1;
        }
        break;
    case kPrivateDouble: return instance<Counter>(cls, obj)->level * 2;
    }
    return doSuperMethodA(cls, obj, msg);
}

using CustomClasses = World;

TEST_F(CustomClasses, ReachTheirInstanceAndTheirSuperclass)
{
    Class *cls = createCustomClass("Text.mui", nullptr, sizeof(Counter), counterDispatch);
    ASSERT_NE(cls, nullptr);
    Object *o = newObject(cls, TagList{{kPrivateLevel, 7}, {attr::TextContents, w("start")}}.data());
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(getOr(o, kPrivateLevel, 0), 7u);
    EXPECT_EQ(doMethod(o, kPrivateDouble), 14u);
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(o, attr::TextContents, 0)), "start")
        << "creation tags reach the superclass unchanged";
    set(o, attr::TextContents, w("loud"));
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(o, attr::TextContents, 0)), "LOUD");
    EXPECT_EQ(instance<Counter>(cls, o)->sets, 1);
    EXPECT_EQ(doMethod(o, 0x8FF0FFFF), 0u) << "unknown methods answer 0";
    disposeObject(o);
    EXPECT_EQ(deleteCustomClass(cls), kOk);
}

TEST_F(CustomClasses, PrivateAttributesNotify)
{
    Class *cls = createCustomClass("Text.mui", nullptr, sizeof(Counter), counterDispatch);
    App a = makeApp({newObject(cls, nullptr)});
    Object *o = a.root->children[0];
    notifyId(o, kPrivateLevel, kEveryTime, 1);
    set(o, kPrivateLevel, 3);
    set(o, kPrivateLevel, 3);
    setAttrs(o, TagList{{attr::NoNotify, 1}, {kPrivateLevel, 4}}.data());
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    disposeObject(a.app);
    deleteCustomClass(cls);
}

TEST_F(CustomClasses, SubclassesOfSubclassesKeepTheirOwnData)
{
    Class *base = createCustomClass("Text.mui", nullptr, sizeof(Counter), counterDispatch);
    Class *derived = createCustomClass(nullptr, base, sizeof(Counter), counterDispatch);
    ASSERT_NE(derived, nullptr);
    Object *o = newObject(derived, TagList{{kPrivateLevel, 5}}.data());
    // Both levels read the creation tag into their own data; a Set then goes
    // to the outer level, which keeps the private attribute to itself.
    set(o, kPrivateLevel, 9);
    EXPECT_EQ(instance<Counter>(derived, o)->level, 9u);
    EXPECT_EQ(instance<Counter>(base, o)->level, 5u);
    EXPECT_EQ(deleteCustomClass(base), kErrClassInUse) << "a subclass still depends on it";
    disposeObject(o);
    EXPECT_EQ(deleteCustomClass(derived), kOk);
    EXPECT_EQ(deleteCustomClass(base), kOk);
}

TEST_F(CustomClasses, FailedCreationUndoesTheSuperclass)
{
    Class *cls = createCustomClass("Group.mui", nullptr, sizeof(Counter), counterDispatch);
    Object *child = make("Text.mui");
    Object *o = newObject(cls, TagList{{attr::GroupChild, w(child)}, {kFailNew, 1}}.data());
    EXPECT_EQ(o, nullptr);
    EXPECT_FALSE(isAlive(child)) << "children handed to a failed creation are disposed with it";
    EXPECT_EQ(deleteCustomClass(cls), kOk) << "no object of the class is left";
}

TEST_F(CustomClasses, CreationCanBeMadeToFail)
{
    failCustomClassAfter(1);
    Class *first = createCustomClass("Area.mui", nullptr, 8, counterDispatch);
    Class *second = createCustomClass("Area.mui", nullptr, 8, counterDispatch);
    Class *third = createCustomClass("Area.mui", nullptr, 8, counterDispatch);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_NE(third, nullptr) << "one failure, then back to normal";
    EXPECT_EQ(createCustomClass("NoSuch.mui", nullptr, 8, counterDispatch), nullptr);
    deleteCustomClass(first);
    deleteCustomClass(third);
}

TEST_F(CustomClasses, ObjectCreationCanBeMadeToFail)
{
    failNewObjectAfter("Text.mui", 0);
    Object *child = make("Rectangle.mui");
    Object *failed = make("Text.mui");
    EXPECT_EQ(failed, nullptr);
    Object *group = make("Group.mui", {{attr::GroupChild, w(child)}, {attr::GroupChild, w(failed)}});
    EXPECT_EQ(group, nullptr) << "a null child fails its parent";
    EXPECT_FALSE(isAlive(child));
    Object *later = make("Text.mui");
    EXPECT_NE(later, nullptr);
    disposeObject(later);
}

// Counts the drawing life methods that reach the class.
struct Life {
    int setups, cleanups, shows, hides;
};
Word lifeDispatch(Class *cls, Object *obj, const Word *msg)
{
    Life *l = instance<Life>(cls, obj);
    switch (msg[0]) {
    case method::Setup: ++l->setups; break;
    case method::Cleanup: ++l->cleanups; break;
    case method::Show: ++l->shows; break;
    case method::Hide: ++l->hides; break;
    }
    return doSuperMethodA(cls, obj, msg);
}

TEST_F(CustomClasses, DrawingLifeComesInPairs)
{
    Class *cls = createCustomClass("Rectangle.mui", nullptr, sizeof(Life), lifeDispatch);
    Object *page1 = newObject(cls, nullptr), *page2 = newObject(cls, nullptr);
    Object *pages = make("Group.mui", {{attr::GroupPageMode, 1}, {attr::GroupChild, w(page1)}, {attr::GroupChild, w(page2)}});
    App a = makeApp({pages}, false);
    Life *l1 = instance<Life>(cls, page1), *l2 = instance<Life>(cls, page2);
    set(a.window, attr::WinOpen, 1);
    set(a.window, attr::WinOpen, 1);
    set(pages, attr::GroupActivePage, 1);
    set(a.app, attr::AppIconified, 1);
    set(a.window, attr::WinOpen, 0); // closed while iconified
    set(a.app, attr::AppIconified, 0);
    doMethod(pages, method::Hide); // a stray Hide of a hidden group
    EXPECT_EQ((std::vector<int>{l1->setups, l1->shows, l1->hides, l1->cleanups}), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ((std::vector<int>{l2->setups, l2->shows, l2->hides, l2->cleanups}), (std::vector<int>{1, 1, 1, 1}));
    disposeObject(a.app);
    deleteCustomClass(cls);
}

// Redirects notifications on Selected to an inner check mark, as a check
// box made of a mark and a label does.
Word redirectDispatch(Class *cls, Object *obj, const Word *msg)
{
    Object **inner = instance<Object *>(cls, obj);
    switch (msg[0]) {
    case method::New: {
        Object *mark = make("Image.mui", {{attr::InputMode, attr::InputModeToggle}});
        if (!mark) return 0;
        TagItem tags[] = {{attr::GroupChild, w(mark)}, {kTagDone, 0}};
        const Word superMsg[] = {method::New, w(tags)};
        if (!doSuperMethodA(cls, obj, superMsg)) return 0;
        *instance<Object *>(cls, obj) = mark;
        return reinterpret_cast<Word>(obj);
    }
    case method::Notify:
        if (msg[1] == attr::Selected) return doMethodA(*inner, msg);
        break;
    }
    return doSuperMethodA(cls, obj, msg);
}

TEST_F(CustomClasses, NotificationsGoThroughTheClassDispatcher)
{
    Class *cls = createCustomClass("Group.mui", nullptr, sizeof(Object *), redirectDispatch);
    App a = makeApp({newObject(cls, nullptr)});
    Object *box = a.root->children[0];
    Object *mark = box->children[0];
    notifyId(box, attr::Selected, kEveryTime, 5);
    EXPECT_TRUE(box->notifications.empty());
    EXPECT_EQ(mark->notifications.size(), 1u);
    set(mark, attr::Selected, 1);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{5}));
    disposeObject(a.app);
    deleteCustomClass(cls);
}

} // namespace
} // namespace tk::test
