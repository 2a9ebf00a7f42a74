#include "fixture.h"

namespace tk::test {
namespace {

using Pump = World;

Object *button(const char *label)
{
    return make("Text.mui", {{attr::TextContents, w(label)}, {attr::InputMode, attr::InputModeRelVerify}, {attr::Name, w(label)}});
}

TEST_F(Pump, HandsOutQueuedIdsInOrderWithItsSignalSetMeanwhile)
{
    App a = makeApp({make("Text.mui")});
    const uint32_t mask = uint32_t(getOr(a.app, attr::AppSignal, 0));
    ASSERT_NE(mask, 0u);
    EXPECT_EQ(mask & kBreakSignal, 0u);
    for (Word id : {11, 12, 13}) doMethod(a.app, method::AppReturnID, id);
    std::vector<Word> ids;
    std::vector<bool> signalled;
    for (int i = 0; i < 4; ++i) {
        Word signals = Word(-1);
        ids.push_back(doMethod(a.app, method::AppNewInput, &signals));
        EXPECT_EQ(signals, mask);
        signalled.push_back(peekSignals(mask) != 0);
    }
    EXPECT_EQ(ids, (std::vector<Word>{11, 12, 13, 0}));
    EXPECT_EQ(signalled, (std::vector<bool>{true, true, false, false}));
    disposeObject(a.app);
}

TEST_F(Pump, SignalsOfApplicationsDifferAndNeverUseTheBreakBit)
{
    uint32_t all = 0;
    std::vector<Object *> apps;
    for (int i = 0; i < 15; ++i) {
        Object *app = make("Application.mui");
        ASSERT_NE(app, nullptr);
        const uint32_t mask = uint32_t(getOr(app, attr::AppSignal, 0));
        EXPECT_EQ(all & mask, 0u);
        all |= mask;
        apps.push_back(app);
    }
    EXPECT_EQ(all & kBreakSignal, 0u);
    EXPECT_EQ(make("Application.mui"), nullptr) << "no signal left";
    disposeObject(apps[3]);
    Object *again = make("Application.mui");
    EXPECT_NE(again, nullptr) << "a freed signal is handed out again";
    apps.push_back(again);
    for (Object *app : apps) disposeObject(app);
}

TEST_F(Pump, TurnsActionsIntoIdsOneAtATime)
{
    App a = makeApp({button("One"), button("Two")});
    notifyId(a.root->children[0], attr::Pressed, 0, 1);
    notifyId(a.root->children[1], attr::Pressed, 0, 2);
    click(Target::named("One"));
    click(Target::labelled("Main", "Two"));
    EXPECT_NE(peekSignals(uint32_t(getOr(a.app, attr::AppSignal, 0))), 0u) << "queued input wakes the pump";
    Word signals = 0;
    EXPECT_EQ(doMethod(a.app, method::AppNewInput, &signals), 1u);
    EXPECT_EQ(queuedActions(), 1u) << "the second click waits for the next call";
    EXPECT_EQ(doMethod(a.app, method::AppNewInput, &signals), 2u);
    EXPECT_EQ(doMethod(a.app, method::AppNewInput, &signals), 0u);
    disposeObject(a.app);
}

TEST_F(Pump, RunsPushedMethodsLater)
{
    App a = makeApp({make("Gauge.mui")});
    Object *gauge = a.root->children[0];
    EXPECT_EQ(doMethod(a.app, method::AppPushMethod, w(gauge), 3, method::SetAttr, attr::GaugeCurrent, 8), 1u);
    EXPECT_EQ(getOr(gauge, attr::GaugeCurrent, 0), 0u);
    pumpAll(a.app);
    EXPECT_EQ(getOr(gauge, attr::GaugeCurrent, 0), 8u);
    disposeObject(a.app);
}

TEST_F(Pump, SleepNestsAndSleepingWindowsDropInput)
{
    App a = makeApp({button("Go")});
    notifyId(a.root->children[0], attr::Pressed, 0, 1);
    struct Case {
        Object *object;
        Word attribute;
        const char *reason;
    };
    for (const Case &c : {Case{a.app, attr::AppSleep, "Go: application asleep"}, Case{a.window, attr::WinSleep, "Go: window asleep"}}) {
        set(c.object, c.attribute, 1);
        set(c.object, c.attribute, 1);
        set(c.object, c.attribute, 0);
        EXPECT_EQ(getOr(c.object, c.attribute, 0), 1u) << "two requests need two releases";
        click(Target::named("Go"));
        EXPECT_TRUE(pumpAll(a.app).empty());
        EXPECT_EQ(inputLog().back(), c.reason);
        set(c.object, c.attribute, 0);
        click(Target::named("Go"));
        EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    }
    disposeObject(a.app);
}

TEST_F(Pump, IconifyHidesWindowsAndDropsTheirInput)
{
    App a = makeApp({button("Go")});
    notifyId(a.root->children[0], attr::Pressed, 0, 1);
    set(a.app, attr::AppIconified, 1);
    EXPECT_EQ(getOr(a.window, attr::WinOpen, 0), 1u) << "still open, only off the screen";
    EXPECT_FALSE(a.root->shown);
    EXPECT_TRUE(a.root->setUp);
    click(Target::named("Go"));
    EXPECT_TRUE(pumpAll(a.app).empty());
    set(a.app, attr::AppIconified, 0);
    EXPECT_TRUE(a.root->children[0]->shown);
    click(Target::named("Go"));
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    disposeObject(a.app);
}

TEST_F(Pump, WindowsOpenOnlyInsideAnApplication)
{
    Object *window = make("Window.mui", {{attr::WinRootObject, w(make("Group.mui", {{attr::GroupChild, w(make("Text.mui"))}}))}});
    set(window, attr::WinOpen, 1);
    EXPECT_EQ(getOr(window, attr::WinOpen, 1), 0u);
    Object *app = make("Application.mui");
    doMethod(app, method::AddMember, w(window));
    EXPECT_EQ(getOr(window, attr::WinOpen, 0), 1u) << "the earlier request takes effect";
    EXPECT_EQ(getOr(window, attr::WinActivate, 0), 1u);
    doMethod(app, method::RemMember, w(window));
    EXPECT_EQ(getOr(window, attr::WinOpen, 1), 0u);
    disposeObject(window);
    disposeObject(app);
}

TEST_F(Pump, SignalsCanBeTakenAndTheBreakBitIsLeftToTheHost)
{
    raiseSignals(kBreakSignal | 0x4);
    EXPECT_EQ(takeSignals(kBreakSignal), kBreakSignal);
    EXPECT_EQ(takeSignals(kBreakSignal), 0u);
    EXPECT_EQ(peekSignals(0x4), 0x4u);
}

} // namespace
} // namespace tk::test
