#include "fixture.h"

namespace tk::test {
namespace {

using Notifications = World;

TEST_F(Notifications, FireOnTheirTriggerValueOrOnEveryChange)
{
    Object *gauge = make("Gauge.mui");
    Recorder onFive, every;
    onFive.watch(gauge, attr::GaugeCurrent, 5);
    every.watch(gauge, attr::GaugeCurrent, kEveryTime);
    for (Word v : {3, 5, 7, 5}) set(gauge, attr::GaugeCurrent, v);
    EXPECT_EQ(onFive.values, (std::vector<Word>{5, 5}));
    EXPECT_EQ(every.values, (std::vector<Word>{3, 5, 7, 5}));
    disposeObject(gauge);
}

TEST_F(Notifications, ChangeAttributesNotifyOnlyOnARealChange)
{
    Object *gauge = make("Gauge.mui", {{attr::GaugeCurrent, 4}});
    Recorder r;
    r.watch(gauge, attr::GaugeCurrent, kEveryTime);
    set(gauge, attr::GaugeCurrent, 4);
    set(gauge, attr::GaugeCurrent, 6);
    set(gauge, attr::GaugeCurrent, 6);
    EXPECT_EQ(r.values, (std::vector<Word>{6}));
    disposeObject(gauge);
}

TEST_F(Notifications, PulseAttributesNotifyOnEveryOccurrence)
{
    // Close request, menu trigger, acknowledge and double click are events:
    // the same value twice is two events.
    App a = makeApp({make("Text.mui")});
    Object *item = make("Menuitem.mui", {{attr::ItemTitle, w("Open")}});
    Object *list = make("Listview.mui");
    Recorder close, trigger, dbl;
    close.watch(a.window, attr::WinCloseRequest, 1);
    trigger.watch(item, attr::ItemTrigger, kEveryTime);
    dbl.watch(list, attr::ListviewDoubleClick, kEveryTime);
    for (int i = 0; i < 2; ++i) {
        set(a.window, attr::WinCloseRequest, 1);
        set(item, attr::ItemTrigger, w(item));
        set(list, attr::ListviewDoubleClick, 0);
    }
    EXPECT_EQ(close.values.size(), 2u);
    EXPECT_EQ(trigger.values, (std::vector<Word>{w(item), w(item)}));
    EXPECT_EQ(dbl.values.size(), 2u);
    disposeObject(item);
    disposeObject(list);
    disposeObject(a.app);
}

TEST_F(Notifications, NoNotifySilencesOnlyTheItemsAfterIt)
{
    struct Case {
        std::vector<TagItem> list;
        std::vector<Word> expected;
    };
    const Case cases[] = {
        {{{attr::GaugeCurrent, 1}, {attr::NoNotify, 1}, {attr::GaugeMax, 50}}, {1}},
        {{{attr::NoNotify, 1}, {attr::GaugeCurrent, 1}, {attr::GaugeMax, 50}}, {}},
        {{{attr::GaugeCurrent, 1}, {attr::GaugeMax, 50}, {attr::NoNotify, 1}}, {1, 50}},
        {{{attr::NoNotify, 1}, {attr::GaugeCurrent, 1}, {attr::NoNotify, 0}, {attr::GaugeMax, 50}}, {50}},
    };
    for (const Case &c : cases) {
        Object *gauge = make("Gauge.mui");
        Recorder r;
        r.watch(gauge, attr::GaugeCurrent, kEveryTime);
        r.watch(gauge, attr::GaugeMax, kEveryTime);
        std::vector<TagItem> list = c.list;
        list.push_back(TagItem{kTagDone, 0});
        setAttrs(gauge, list.data());
        EXPECT_EQ(r.values, c.expected);
        EXPECT_EQ(getOr(gauge, attr::GaugeCurrent, 0), 1u) << "silenced items are still applied";
        disposeObject(gauge);
    }
}

TEST_F(Notifications, FireAfterTheWholeListIsApplied)
{
    // A notification that reads the object sees every item of the Set.
    Object *gauge = make("Gauge.mui");
    struct Peek {
        Hook hook{&Peek::entry, this};
        Word maxSeen = 0;
        static Word entry(Hook *h, Object *object, void *)
        {
            static_cast<Peek *>(h->data)->maxSeen = getOr(object, attr::GaugeMax, 0);
            return 0;
        }
    } peek;
    doMethod(gauge, method::Notify, attr::GaugeCurrent, kEveryTime, kNotifySelf, 2, method::CallHook, w(&peek.hook));
    setAttrs(gauge, TagList{{attr::GaugeCurrent, 3}, {attr::GaugeMax, 9}}.data());
    EXPECT_EQ(peek.maxSeen, 9u);
    disposeObject(gauge);
}

TEST_F(Notifications, ATextGivenTwiceInOneSetReportsItsFinalValue)
{
    struct Texts {
        Hook hook{&Texts::entry, this};
        std::vector<std::string> seen;
        static Word entry(Hook *h, Object *, void *m)
        {
            static_cast<Texts *>(h->data)->seen.push_back(reinterpret_cast<const char *>(static_cast<Word *>(m)[0]));
            return 0;
        }
    } texts;
    Object *text = make("Text.mui");
    doMethod(text, method::Notify, attr::TextContents, kEveryTime, kNotifySelf, 3, method::CallHook, w(&texts.hook),
             kTriggerValue);
    setAttrs(text, TagList{{attr::TextContents, w("a rather long first text")}, {attr::TextContents, w("b")}}.data());
    EXPECT_EQ(texts.seen, (std::vector<std::string>{"b"}));
    disposeObject(text);
}

TEST_F(Notifications, ActionsSetPassValuesCallMethodsAndReturnIds)
{
    App a = makeApp({make("Slider.mui"), make("Gauge.mui")});
    Object *slider = a.root->children[0];
    Object *gauge = a.root->children[1];
    // Pass the trigger value on: the gauge follows the slider.
    doMethod(slider, method::Notify, attr::NumericValue, kEveryTime, w(gauge), 3, method::SetAttr, attr::GaugeCurrent,
             kTriggerValue);
    // A fixed value, and the inverted trigger value.
    doMethod(slider, method::Notify, attr::NumericValue, 100, w(gauge), 3, method::SetAttr, attr::GaugeMax, 200);
    doMethod(slider, method::Notify, attr::NumericValue, kEveryTime, w(gauge), 3, method::SetAttr, attr::Disabled,
             kNotTriggerValue);
    notifyId(slider, attr::NumericValue, 42, 0x4242);
    set(slider, attr::NumericValue, 42);
    EXPECT_EQ(getOr(gauge, attr::GaugeCurrent, 0), 42u);
    EXPECT_EQ(getOr(gauge, attr::GaugeMax, 0), 100u);
    EXPECT_EQ(getOr(gauge, attr::Disabled, 1), 0u);
    set(slider, attr::NumericValue, 100);
    EXPECT_EQ(getOr(gauge, attr::GaugeMax, 0), 200u);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{0x4242}));
    disposeObject(a.app);
}

TEST_F(Notifications, KillNotifyRemovesByAttributeOrByDestination)
{
    Object *gauge = make("Gauge.mui");
    Object *text = make("Text.mui");
    Object *other = make("Gauge.mui");
    doMethod(gauge, method::Notify, attr::GaugeCurrent, kEveryTime, w(text), 3, method::SetAttr, attr::Disabled, 1);
    doMethod(gauge, method::Notify, attr::GaugeCurrent, kEveryTime, w(other), 3, method::SetAttr, attr::GaugeMax,
             kTriggerValue);
    EXPECT_EQ(doMethod(gauge, method::KillNotifyObj, attr::GaugeCurrent, w(text)), 1u);
    set(gauge, attr::GaugeCurrent, 9);
    EXPECT_EQ(getOr(text, attr::Disabled, 1), 0u);
    EXPECT_EQ(getOr(other, attr::GaugeMax, 0), 9u);
    EXPECT_EQ(doMethod(gauge, method::KillNotify, attr::GaugeCurrent), 1u);
    set(gauge, attr::GaugeCurrent, 10);
    EXPECT_EQ(getOr(other, attr::GaugeMax, 0), 9u);
    for (Object *o : {gauge, text, other}) disposeObject(o);
}

TEST_F(Notifications, ANotificationMayRemoveItselfWhileFiring)
{
    Object *gauge = make("Gauge.mui");
    doMethod(gauge, method::Notify, attr::GaugeCurrent, kEveryTime, kNotifySelf, 2, method::KillNotify,
             attr::GaugeCurrent);
    Recorder r;
    r.watch(gauge, attr::GaugeCurrent, kEveryTime);
    set(gauge, attr::GaugeCurrent, 1);
    set(gauge, attr::GaugeCurrent, 2);
    EXPECT_EQ(r.values, (std::vector<Word>{}));
    EXPECT_TRUE(gauge->notifications.empty());
    disposeObject(gauge);
}

TEST_F(Notifications, AnEndlessChainOfEventsIsCut)
{
    // Two windows that answer each other's close request with their own.
    App a = makeApp({make("Text.mui")});
    Object *second = make("Window.mui", {{attr::WinRootObject, w(make("Group.mui", {{attr::GroupChild, w(make("Text.mui"))}}))}});
    doMethod(a.app, method::AddMember, w(second));
    doMethod(a.window, method::Notify, attr::WinCloseRequest, 1, w(second), 3, method::SetAttr, attr::WinCloseRequest, 1);
    doMethod(second, method::Notify, attr::WinCloseRequest, 1, w(a.window), 3, method::SetAttr, attr::WinCloseRequest, 1);
    Recorder r;
    r.watch(a.window, attr::WinCloseRequest, 1);
    set(a.window, attr::WinCloseRequest, 1);
    EXPECT_GT(r.values.size(), 1u);
    EXPECT_LE(r.values.size(), size_t(kMaxNotifyDepth));
    disposeObject(a.app);
}

TEST_F(Notifications, DestinationsResolveWhenTheyFire)
{
    App a = makeApp({make("Gauge.mui")});
    Object *gauge = a.root->children[0];
    doMethod(gauge, method::Notify, attr::GaugeCurrent, 1, kNotifyWindow, 3, method::SetAttr, attr::WinTitle, w("hit"));
    doMethod(gauge, method::Notify, attr::GaugeCurrent, 1, kNotifyParent, 3, method::SetAttr, attr::Disabled, 1);
    set(gauge, attr::GaugeCurrent, 1);
    EXPECT_STREQ(reinterpret_cast<const char *>(getOr(a.window, attr::WinTitle, 0)), "hit");
    EXPECT_EQ(getOr(a.root, attr::Disabled, 0), 1u);
    disposeObject(a.app);
}

} // namespace
} // namespace tk::test
