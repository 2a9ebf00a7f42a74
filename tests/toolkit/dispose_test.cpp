#include "fixture.h"

namespace tk::test {
namespace {

using Disposal = World;

TEST_F(Disposal, TakesTheWholeTree)
{
    Object *text = make("Text.mui");
    Object *inner = make("Group.mui", {{attr::GroupChild, w(text)}});
    App a = makeApp({inner, make("String.mui")});
    std::vector<Object *> all;
    walkTree(a.app, [&](Object *o) { all.push_back(o); });
    EXPECT_EQ(all.size(), 6u);
    disposeObject(a.app);
    for (Object *o : all) EXPECT_FALSE(isAlive(o));
    EXPECT_TRUE(world().live.empty());
}

TEST_F(Disposal, ARemovedChildStaysAndCanMove)
{
    Object *text = make("Text.mui", {{attr::TextContents, w("keep")}});
    App a = makeApp({text, make("Rectangle.mui")});
    doMethod(a.root, method::GroupInitChange);
    EXPECT_EQ(doMethod(a.root, method::RemMember, w(text)), 1u);
    doMethod(a.root, method::GroupExitChange);
    EXPECT_EQ(text->parent, nullptr);
    disposeObject(a.app);
    ASSERT_TRUE(isAlive(text));
    Object *group = make("Group.mui");
    EXPECT_EQ(doMethod(group, method::AddMember, w(text)), 1u);
    EXPECT_EQ(text->parent, group);
    disposeObject(group);
    EXPECT_FALSE(isAlive(text));
}

TEST_F(Disposal, DisposingAChildTakesItOutOfItsParent)
{
    Object *a = make("Text.mui"), *b = make("Text.mui");
    Object *group = make("Group.mui", {{attr::GroupChild, w(a)}, {attr::GroupChild, w(b)}});
    disposeObject(a);
    ASSERT_EQ(group->children.size(), 1u);
    EXPECT_EQ(group->children[0], b);
    disposeObject(group);
}

// A hook that disposes the object given to it and then keeps using it.
struct Disposer {
    Hook hook{&Disposer::entry, this};
    Object *victim = nullptr;
    Word afterwards = 99;
    static Word entry(Hook *h, Object *, void *)
    {
        Disposer *d = static_cast<Disposer *>(h->data);
        disposeObject(d->victim);
        // Gone for everyone, but its memory stays until the methods on the
        // stack have returned.
        d->afterwards = getOr(d->victim, attr::GaugeCurrent, 77);
        return 0;
    }
};

TEST_F(Disposal, IsDeferredWhileTheObjectIsBeingDispatched)
{
    Object *gauge = make("Gauge.mui");
    Disposer d;
    d.victim = gauge;
    doMethod(gauge, method::Notify, attr::GaugeCurrent, kEveryTime, kNotifySelf, 2, method::CallHook, w(&d.hook));
    set(gauge, attr::GaugeCurrent, 5);
    EXPECT_EQ(d.afterwards, 77u) << "a disposed object answers nothing";
    EXPECT_FALSE(isAlive(gauge));
    EXPECT_TRUE(world().zombies.empty()) << "freed once the Set returned";
    EXPECT_TRUE(world().live.empty());
}

TEST_F(Disposal, OfAnApplicationFromInsideAChildsNotification)
{
    Object *slider = make("Slider.mui");
    App a = makeApp({slider, make("Gauge.mui")});
    Object *gauge = a.root->children[1];
    Disposer d;
    d.victim = a.app;
    // The first notification disposes everything; the second must not run
    // on freed objects.
    doMethod(slider, method::Notify, attr::NumericValue, kEveryTime, kNotifySelf, 2, method::CallHook, w(&d.hook));
    doMethod(slider, method::Notify, attr::NumericValue, kEveryTime, w(gauge), 3, method::SetAttr, attr::GaugeCurrent,
             kTriggerValue);
    drag(Target::named("main"), 0); // queued for an application that will be gone
    set(slider, attr::NumericValue, 30);
    EXPECT_TRUE(world().live.empty());
    EXPECT_EQ(processNextAction(), 1);
    EXPECT_EQ(inputLog().back(), "main: no such object");
}

TEST_F(Disposal, ClearsReferencesToTheObject)
{
    Object *field = make("String.mui", {{attr::CycleChain, 1}});
    Object *button = make("Text.mui", {{attr::InputMode, attr::InputModeRelVerify}});
    App a = makeApp({field, button});
    set(a.window, attr::WinActiveObject, w(field));
    set(a.window, attr::WinDefaultObject, w(button));
    ASSERT_EQ(getOr(a.window, attr::WinActiveObject, 0), w(field));
    disposeObject(field);
    disposeObject(button);
    EXPECT_EQ(getOr(a.window, attr::WinActiveObject, 1), 0u);
    EXPECT_EQ(getOr(a.window, attr::WinDefaultObject, 1), 0u);
    disposeObject(a.app);
}

TEST_F(Disposal, DropsNotificationsAndPushedMethodsAimedAtIt)
{
    App a = makeApp({make("Gauge.mui"), make("Gauge.mui")});
    Object *source = a.root->children[0];
    Object *target = a.root->children[1];
    doMethod(source, method::Notify, attr::GaugeCurrent, kEveryTime, w(target), 3, method::SetAttr, attr::GaugeMax,
             kTriggerValue);
    doMethod(a.app, method::AppPushMethod, w(target), 3, method::SetAttr, attr::GaugeMax, 1);
    disposeObject(target);
    EXPECT_TRUE(source->notifications.empty());
    EXPECT_TRUE(world().pushed.empty());
    set(source, attr::GaugeCurrent, 4);
    EXPECT_TRUE(pumpAll(a.app).empty());
    disposeObject(a.app);
}

TEST_F(Disposal, OfAnOpenWindowClosesItFirst)
{
    App a = makeApp({make("Text.mui")});
    Recorder opens;
    opens.watch(a.window, attr::WinOpen, kEveryTime);
    disposeObject(a.window);
    EXPECT_EQ(opens.values, (std::vector<Word>{0}));
    EXPECT_TRUE(a.app->children.empty());
    disposeObject(a.app);
}

} // namespace
} // namespace tk::test
