#include "fixture.h"

#include <cstring>

namespace tk::test {
namespace {

using Input = World;

const char *text(Object *o, Word attribute) { return reinterpret_cast<const char *>(getOr(o, attribute, 0)); }

TEST_F(Input, ClickPressesAndReleasesAButtonAndTogglesAToggle)
{
    Object *ok = make("Text.mui", {{attr::TextContents, w("_Ok")}, {attr::InputMode, attr::InputModeRelVerify}});
    Object *check = make("Image.mui", {{attr::InputMode, attr::InputModeToggle}, {attr::Name, w("check")}});
    App a = makeApp({ok, check});
    notifyId(ok, attr::Pressed, 1, 10);
    notifyId(ok, attr::Pressed, 0, 11);
    notifyId(check, attr::Selected, kEveryTime, 20);
    click(Target::labelled("Main", "Ok"));
    toggle(Target::named("check"));
    toggle(Target::named("check"));
    toggle(Target::labelled("Main", "Ok")); // a button is no toggle
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{10, 11, 20, 20}));
    EXPECT_EQ(getOr(check, attr::Selected, 1), 0u);
    EXPECT_EQ(inputLog().back(), "Main/Ok: not a toggle");
    disposeObject(a.app);
}

TEST_F(Input, TypingRespectsAcceptRejectAndLength)
{
    struct Case {
        std::vector<TagItem> tags;
        const char *typed;
        const char *expected;
    };
    const Case cases[] = {
        {{{attr::StringAccept, w("0123456789")}}, "a1b2c3", "123"},
        {{{attr::StringReject, w(" ")}}, "no spaces here", "nospaceshere"},
        {{{attr::StringMaxLen, 5}}, "abcdefgh", "abcd"},
        {{}, "plain", "plain"},
    };
    for (const Case &c : cases) {
        std::vector<TagItem> tags = c.tags;
        tags.push_back({attr::Name, w("field")});
        tags.push_back({kTagDone, 0});
        Object *field = newObject("String.mui", tags.data());
        App a = makeApp({field});
        typeText(Target::named("field"), c.typed);
        pumpAll(a.app);
        EXPECT_STREQ(text(field, attr::StringContents), c.expected) << c.typed;
        EXPECT_EQ(getOr(a.window, attr::WinActiveObject, 0), w(field)) << "typing activates the field";
        disposeObject(a.app);
    }
}

TEST_F(Input, ReturnAcknowledgesAndAdvancesTabCycles)
{
    Object *first = make("String.mui", {{attr::CycleChain, 1}, {attr::StringAdvanceOnCR, 1}, {attr::Name, w("first")}});
    Object *second = make("String.mui", {{attr::CycleChain, 1}, {attr::Name, w("second")}});
    Object *third = make("String.mui", {{attr::CycleChain, 1}});
    App a = makeApp({first, second, third});
    doMethod(first, method::Notify, attr::StringAcknowledge, kEveryTime, kNotifyApplication, 2, method::AppReturnID, 7);
    typeText(Target::named("first"), "hi");
    pressKey(Target::named("first"), "return");
    pressKey(Target::named("first"), "return");
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{7, 7})) << "each return is an acknowledgement";
    EXPECT_EQ(getOr(a.window, attr::WinActiveObject, 0), w(third));
    pressKey(Target::named("main"), "tab");
    EXPECT_TRUE(pumpAll(a.app).empty());
    EXPECT_EQ(getOr(a.window, attr::WinActiveObject, 0), w(first)) << "tab wraps around";
    pressKey(Target::named("main"), "tab", kQualLShift);
    pumpAll(a.app);
    EXPECT_EQ(getOr(a.window, attr::WinActiveObject, 0), w(third));
    pressKey(Target::named("main"), "x"); // typed into the active field
    pressKey(Target::named("main"), "backspace");
    pressKey(Target::named("main"), "y", kQualLShift);
    pumpAll(a.app);
    EXPECT_STREQ(text(third, attr::StringContents), "Y");
    disposeObject(a.app);
}

TEST_F(Input, KeyBindingsOfAWindowMatchTheirQualifiersExactly)
{
    App a = makeApp({make("Text.mui")});
    auto bind = [&](const char *keys, Word id) {
        doMethod(a.window, method::Notify, attr::WinInputEvent, w(keys), kNotifyApplication, 2, method::AppReturnID, id);
    };
    bind("-repeat control shift a", 1);
    bind("-repeat lcommand x", 2);
    bind("-repeat numpad enter", 3);
    bind("-repeat alt f5", 4);
    pressKey(Target::named("main"), "a", kQualControl | kQualRShift);
    pressKey(Target::named("main"), "a", kQualControl); // shift missing
    pressKey(Target::named("main"), "x", kQualRCommand); // the other command key
    pressKey(Target::named("main"), "x", kQualLCommand);
    pressKey(Target::named("main"), "return");           // not the number pad's enter
    pressKey(Target::named("main"), "f5", kQualRAlt);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1, 2, 4}));
    disposeObject(a.app);
}

TEST_F(Input, MenusPickByPathOrNameWithChecksExcludesAndShortcuts)
{
    Object *open = make("Menuitem.mui", {{attr::ItemTitle, w("_Open")}, {attr::ItemShortcut, w("O")}});
    Object *gone = make("Menuitem.mui", {{attr::ItemTitle, w("Gone")}, {attr::ItemEnabled, 0}, {attr::Name, w("gone")}});
    Object *small = make("Menuitem.mui", {{attr::ItemTitle, w("Small")}, {attr::ItemCheckit, 1}, {attr::ItemChecked, 1}, {attr::ItemExclude, 2}});
    Object *large = make("Menuitem.mui", {{attr::ItemTitle, w("Large")}, {attr::ItemCheckit, 1}, {attr::ItemExclude, 1}, {attr::Name, w("large")}});
    Object *wrap = make("Menuitem.mui", {{attr::ItemTitle, w("Wrap")}, {attr::ItemCheckit, 1}, {attr::ItemToggle, 1}, {attr::Name, w("wrap")}});
    Object *project = make("Menu.mui", {{attr::MenuTitle, w("Project")}, {attr::FamilyChild, w(open)}, {attr::FamilyChild, w(gone)}});
    Object *view = make("Menu.mui", {{attr::MenuTitle, w("View")}, {attr::FamilyChild, w(small)}, {attr::FamilyChild, w(large)}, {attr::FamilyChild, w(wrap)}});
    Object *strip = make("Menustrip.mui", {{attr::FamilyChild, w(project)}, {attr::FamilyChild, w(view)}});
    Object *root = make("Group.mui", {{attr::GroupChild, w(make("Text.mui"))}});
    Object *window = make("Window.mui", {{attr::WinRootObject, w(root)}, {attr::WinMenustrip, w(strip)}, {attr::WinTitle, w("Doc")}});
    Object *app = make("Application.mui", {{attr::AppWindow, w(window)}});
    set(window, attr::WinOpen, 1);
    for (Object *item : {open, gone, small, large, wrap})
        doMethod(item, method::Notify, attr::ItemTrigger, kEveryTime, kNotifyApplication, 2, method::AppReturnID, w(item));
    pickMenu(Target::labelled("Doc", "Project/Open"));
    pickMenu(Target::named("gone"));
    pickMenu(Target::named("large"));
    pickMenu(Target::named("wrap"));
    pickMenu(Target::named("wrap"));
    pressKey(Target::windowNamed("Doc"), "o", kQualRCommand);
    pickMenu(Target::labelled("Doc", "Project/Missing"));
    EXPECT_EQ(pumpAll(app), (std::vector<Word>{w(open), w(large), w(wrap), w(wrap), w(open)}));
    EXPECT_EQ(getOr(small, attr::ItemChecked, 1), 0u) << "excluded by Large";
    EXPECT_EQ(getOr(large, attr::ItemChecked, 0), 1u);
    EXPECT_EQ(getOr(wrap, attr::ItemChecked, 1), 0u) << "a toggle item flips";
    EXPECT_EQ(inputLog(), (std::vector<std::string>{"gone: menu item disabled", "Doc: no such menu item"}));
    disposeObject(app);
}

TEST_F(Input, ContextMenuPicksReachTheWidget)
{
    Object *copy = make("Menuitem.mui", {{attr::ItemTitle, w("Copy")}});
    Object *off = make("Menuitem.mui", {{attr::ItemTitle, w("Off")}, {attr::ItemEnabled, 0}});
    Object *menu = make("Menu.mui", {{attr::MenuTitle, w("Edit")}, {attr::FamilyChild, w(copy)}, {attr::FamilyChild, w(off)}});
    Object *strip = make("Menustrip.mui", {{attr::FamilyChild, w(menu)}});
    Object *field = make("Text.mui", {{attr::ContextMenu, w(strip)}, {attr::Name, w("t")}});
    App a = makeApp({field, make("Text.mui", {{attr::Name, w("plain")}})});
    doMethod(field, method::Notify, attr::ContextMenuTrigger, kEveryTime, kNotifyApplication, 2, method::AppReturnID,
             kTriggerValue);
    pickContextMenu(Target::named("t"), "Edit/Copy");
    pickContextMenu(Target::named("t"), "Edit/Off");
    pickContextMenu(Target::named("plain"), "Edit/Copy");
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{w(copy)}));
    EXPECT_EQ(inputLog(), (std::vector<std::string>{"t: menu item disabled", "plain: no context menu"}));
    disposeObject(a.app);
    disposeObject(strip);
}

TEST_F(Input, CloseGadgetRequestsClosingOnce)
{
    App a = makeApp({make("Text.mui")});
    notifyId(a.window, attr::WinCloseRequest, 1, 99);
    closeWindow(Target::windowNamed("Main"));
    closeWindow(Target::named("main"));
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{99, 99}));
    EXPECT_EQ(getOr(a.window, attr::WinOpen, 0), 1u) << "closing is the owner's decision";
    set(a.window, attr::WinOpen, 0);
    closeWindow(Target::named("main"));
    EXPECT_TRUE(pumpAll(a.app).empty());
    EXPECT_EQ(inputLog().back(), "main: window not open");
    disposeObject(a.app);
}

TEST_F(Input, DragsMoveSlidersAndScrollbarsWithinTheirRange)
{
    Object *slider = make("Slider.mui", {{attr::NumericMin, 10}, {attr::NumericMax, 20}, {attr::Name, w("s")}});
    Object *bar = make("Scrollbar.mui", {{attr::PropEntries, 100}, {attr::PropVisible, 30}, {attr::Name, w("b")}});
    App a = makeApp({slider, bar});
    notifyId(slider, attr::NumericValue, kEveryTime, 1);
    drag(Target::named("s"), 15);
    drag(Target::named("s"), 99);
    drag(Target::named("b"), 90);
    wheel(Target::named("b"), -5);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1, 1}));
    EXPECT_EQ(getOr(slider, attr::NumericValue, 0), 20u);
    EXPECT_EQ(getOr(bar, attr::PropFirst, 0), 65u) << "70 at most, then five up";
    disposeObject(a.app);
}

// A slider subclass that reports the knob's release only when the level
// moved, through the pressed state.
Word releaseDispatch(Class *cls, Object *obj, const Word *msg)
{
    struct Data {
        bool pressed;
        Word level;
    };
    if (msg[0] == method::HandleEvent) {
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        Data *d = instance<Data>(cls, obj);
        if (e->kind == InputEvent::Button && e->code == kSelectDown) {
            d->pressed = true;
            d->level = getOr(obj, attr::NumericValue, 0);
            set(obj, attr::Pressed, 1);
        }
        Word result = doSuperMethodA(cls, obj, msg);
        if (e->kind == InputEvent::Button && e->code == kSelectUp && d->pressed) {
            d->pressed = false;
            if (getOr(obj, attr::NumericValue, 0) != d->level) set(obj, attr::Pressed, 0);
        }
        return result;
    }
    return doSuperMethodA(cls, obj, msg);
}

TEST_F(Input, AreaSubclassesGetTheRawEvents)
{
    Class *cls = createCustomClass("Slider.mui", nullptr, 16, releaseDispatch);
    Object *slider = newObject(cls, TagList{{attr::Name, w("s")}, {attr::NumericValue, 5}}.data());
    App a = makeApp({slider});
    notifyId(slider, attr::Pressed, 0, 1);
    drag(Target::named("s"), 5); // let go at the starting level
    drag(Target::named("s"), 8);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    disposeObject(a.app);
    deleteCustomClass(cls);
}

TEST_F(Input, RowClicksAndDoubleClicksFollowTheSimulatedClock)
{
    static const char *rows[] = {"a", "b", "c", nullptr};
    Object *list = make("Listview.mui", {{attr::Name, w("list")}});
    doMethod(list, method::ListInsert, w(rows), Word(-1), Word(method::ListInsertBottom));
    App a = makeApp({list});
    notifyId(list, attr::ListActive, kEveryTime, 1);
    notifyId(list, attr::ListviewDoubleClick, kEveryTime, 2);
    clickRow(Target::named("list"), 1);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1}));
    advanceClock(200);
    clickRow(Target::named("list"), 1);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{2})) << "same row within the double-click time";
    advanceClock(200);
    clickRow(Target::named("list"), 1);
    advanceClock(600);
    clickRow(Target::named("list"), 1);
    EXPECT_TRUE(pumpAll(a.app).empty()) << "too slow for a double click, though the pump saw both at once";
    clickRow(Target::named("list"), 2, 0, true);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{1, 2}));
    clickRow(Target::named("list"), 9);
    EXPECT_TRUE(pumpAll(a.app).empty());
    EXPECT_EQ(getOr(list, attr::ListActive, 0), 2u);
    disposeObject(a.app);
}

TEST_F(Input, DroppedFilesReachTheObjectWithTheirPosition)
{
    Object *area = make("Rectangle.mui", {{attr::Name, w("drop")}});
    App a = makeApp({area});
    struct Catch {
        Hook hook{&Catch::entry, this};
        int x = 0, y = 0;
        std::vector<std::string> files;
        static Word entry(Hook *h, Object *, void *m)
        {
            const DropMessage *d = reinterpret_cast<const DropMessage *>(static_cast<Word *>(m)[0]);
            Catch *c = static_cast<Catch *>(h->data);
            c->x = d->x;
            c->y = d->y;
            c->files = d->files;
            return 0;
        }
    } got;
    doMethod(area, method::Notify, attr::AppMessage, kEveryTime, kNotifySelf, 3, method::CallHook, w(&got.hook), kTriggerValue);
    dropFiles(Target::named("drop"), 12, 34, {"/tmp/a.txt", "/tmp/b.txt"});
    pumpAll(a.app);
    EXPECT_EQ(got.x, 12);
    EXPECT_EQ(got.y, 34);
    EXPECT_EQ(got.files, (std::vector<std::string>{"/tmp/a.txt", "/tmp/b.txt"}));
    disposeObject(a.app);
}

TEST_F(Input, DisabledWidgetsAndUnknownTargetsAreDropped)
{
    Object *button = make("Text.mui", {{attr::InputMode, attr::InputModeRelVerify}, {attr::Name, w("b")}});
    Object *group = make("Group.mui", {{attr::GroupChild, w(button)}, {attr::Disabled, 1}});
    App a = makeApp({group});
    notifyId(button, attr::Pressed, 0, 1);
    click(Target::named("b"));
    click(Target::named("nobody"));
    click(Target::labelled("Main", "nothing"));
    EXPECT_TRUE(pumpAll(a.app).empty());
    EXPECT_EQ(inputLog(), (std::vector<std::string>{"b: disabled", "nobody: no such object", "Main/nothing: no such object"}));
    disposeObject(a.app);
}

TEST_F(Input, CyclesAndRadiosMoveOnClick)
{
    static const char *colours[] = {"Red", "Green", "Blue", nullptr};
    Object *cycle = make("Cycle.mui", {{attr::CycleEntries, w(colours)}, {attr::Name, w("c")}});
    Object *radio = make("Radio.mui", {{attr::RadioEntries, w(colours)}, {attr::Name, w("r")}});
    App a = makeApp({cycle, radio});
    click(Target::named("c"));
    click(Target::named("c"));
    click(Target::named("c"));
    InputEvent pick;
    pick.kind = InputEvent::Button;
    pick.code = kSelectDown;
    pick.value = 2;
    pick.hasValue = true;
    rawEvent(Target::named("r"), pick);
    pumpAll(a.app);
    EXPECT_EQ(getOr(cycle, attr::CycleActive, 9), 0u) << "three clicks wrap to the first entry";
    EXPECT_EQ(getOr(radio, attr::RadioActive, 9), 2u);
    EXPECT_EQ(findByLabel(a.window, "Red"), cycle);
    disposeObject(a.app);
}

} // namespace
} // namespace tk::test
