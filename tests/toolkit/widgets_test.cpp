#include "fixture.h"

#include <cstring>
#include <string>

namespace tk::test {
namespace {

using Widgets = World;

const char *text(Object *o, Word attribute) { return reinterpret_cast<const char *>(getOr(o, attribute, 0)); }

TEST_F(Widgets, CycleActiveTakesNextAndPreviousWithWrapping)
{
    static const char *entries[] = {"a", "b", "c", nullptr};
    Object *cycle = make("Cycle.mui", {{attr::CycleEntries, w(entries)}});
    struct Case {
        SWord set;
        Word expected;
    };
    const Case cases[] = {{attr::CycleNext, 1}, {attr::CycleNext, 2}, {attr::CycleNext, 0}, {attr::CyclePrev, 2}, {1, 1}, {7, 2}, {-9, 0}};
    for (const Case &c : cases) {
        set(cycle, attr::CycleActive, Word(c.set));
        EXPECT_EQ(getOr(cycle, attr::CycleActive, 99), c.expected) << c.set;
    }
    disposeObject(cycle);
}

TEST_F(Widgets, StringEditingWithClipboardUndoAndRedo)
{
    Object *field = make("String.mui", {{attr::StringContents, w("hello world")}});
    Object *other = make("String.mui");
    setAttrs(field, TagList{{attr::StringMarkStart, 6}, {attr::StringMarkEnd, 11}}.data());
    doMethod(field, method::StringCut);
    EXPECT_STREQ(text(field, attr::StringContents), "hello ");
    doMethod(other, method::StringPaste);
    EXPECT_STREQ(text(other, attr::StringContents), "world");
    doMethod(field, method::StringUndo);
    EXPECT_STREQ(text(field, attr::StringContents), "hello world");
    doMethod(field, method::StringRedo);
    EXPECT_STREQ(text(field, attr::StringContents), "hello ");
    doMethod(field, method::StringInsert, w(">> "), 1);
    EXPECT_STREQ(text(field, attr::StringContents), ">> hello ");
    EXPECT_EQ(getOr(field, attr::StringCursorPos, 0), 3u);
    setAttrs(field, TagList{{attr::StringMarkStart, 0}, {attr::StringMarkEnd, 2}}.data());
    doMethod(field, method::StringCopy);
    doMethod(field, method::StringInsert, w("!"), 2);
    EXPECT_STREQ(text(field, attr::StringContents), ">> hello !");
    EXPECT_EQ(SWord(getOr(field, attr::StringMarkStart, 0)), -1) << "an edit ends the marking";
    doMethod(other, method::StringPaste);
    EXPECT_STREQ(text(other, attr::StringContents), "world>>");
    disposeObject(field);
    disposeObject(other);
}

TEST_F(Widgets, StringLimitsApplyToSetTextsToo)
{
    Object *field = make("String.mui", {{attr::StringMaxLen, 4}, {attr::StringContents, w("abcdef")}});
    EXPECT_STREQ(text(field, attr::StringContents), "abc");
    set(field, attr::StringContents, w("wxyz"));
    EXPECT_STREQ(text(field, attr::StringContents), "wxy");
    set(field, attr::StringContents, 0);
    EXPECT_STREQ(text(field, attr::StringContents), "");
    set(field, attr::StringInteger, Word(SWord(-42)));
    EXPECT_EQ(SWord(getOr(field, attr::StringInteger, 0)), -42);
    disposeObject(field);
}

TEST_F(Widgets, PageGroupsShowOnePageAndResolveSpecialPages)
{
    static const char *titles[] = {"One", "Two", "Three", nullptr};
    Object *reg = make("Register.mui", {{attr::RegisterTitles, w(titles)},
                                        {attr::GroupChild, w(make("Text.mui"))},
                                        {attr::GroupChild, w(make("Text.mui"))},
                                        {attr::GroupChild, w(make("Text.mui"))}});
    App a = makeApp({reg});
    struct Case {
        SWord set;
        Word expected;
    };
    const Case cases[] = {{attr::PageLast, 2}, {attr::PageNext, 2}, {attr::PagePrev, 1}, {attr::PageFirst, 0},
                          {attr::PagePrev, 0}, {attr::PageAdvance, 1}, {5, 2}};
    for (const Case &c : cases) {
        set(reg, attr::GroupActivePage, Word(c.set));
        EXPECT_EQ(getOr(reg, attr::GroupActivePage, 9), c.expected) << c.set;
    }
    const char *const *kept = reinterpret_cast<const char *const *>(getOr(reg, attr::RegisterTitles, 0));
    ASSERT_NE(kept, nullptr);
    EXPECT_STREQ(kept[1], "Two");
    EXPECT_EQ(kept[3], nullptr);
    EXPECT_EQ(getOr(reg, attr::GroupPageMode, 0), 1u);
    disposeObject(a.app);
}

TEST_F(Widgets, RemovingPagesKeepsTheShownPageInFront)
{
    Object *pages[4];
    for (Object *&p : pages) p = make("Text.mui");
    Object *group = make("Group.mui", {{attr::GroupPageMode, 1}, {attr::GroupChild, w(pages[0])}, {attr::GroupChild, w(pages[1])},
                                       {attr::GroupChild, w(pages[2])}, {attr::GroupChild, w(pages[3])}});
    set(group, attr::GroupActivePage, 2);
    doMethod(group, method::RemMember, w(pages[0]));
    EXPECT_EQ(getOr(group, attr::GroupActivePage, 9), 1u);
    EXPECT_EQ(group->children[1], pages[2]);
    doMethod(group, method::RemMember, w(pages[3]));
    doMethod(group, method::RemMember, w(pages[2]));
    EXPECT_EQ(getOr(group, attr::GroupActivePage, 9), 0u) << "the last page went: the new last shows";
    for (Object *p : {pages[0], pages[2], pages[3]}) disposeObject(p);
    disposeObject(group);
}

TEST_F(Widgets, GroupsInsertRemoveAndSortChildren)
{
    Object *a = make("Text.mui"), *b = make("Text.mui"), *c = make("Text.mui");
    Object *group = make("Group.mui", {{attr::GroupChild, w(a)}});
    doMethod(group, method::FamilyAddHead, w(b));
    doMethod(group, method::FamilyInsert, w(c), w(b));
    EXPECT_EQ(group->children, (std::vector<Object *>{b, c, a}));
    EXPECT_EQ(doMethod(group, method::GroupSort, w(a), w(b), w(c), 0), 1u);
    EXPECT_EQ(group->children, (std::vector<Object *>{a, b, c}));
    EXPECT_EQ(doMethod(group, method::GroupSort, w(a), w(b), 0), 0u) << "a sort must name every child";
    EXPECT_EQ(doMethod(group, method::AddMember, w(group)), 0u) << "a group cannot hold itself";
    Object *outer = make("Group.mui", {{attr::GroupChild, w(group)}});
    EXPECT_EQ(doMethod(group, method::AddMember, w(outer)), 0u) << "nor its own ancestor";
    disposeObject(outer);
}

TEST_F(Widgets, SliderAndScrollbarKeepTheirValueInRange)
{
    Object *slider = make("Slider.mui", {{attr::NumericValue, 50}, {attr::NumericMin, 0}, {attr::NumericMax, 100}});
    Recorder rec;
    rec.watch(slider, attr::NumericValue, kEveryTime);
    set(slider, attr::NumericMax, 30);
    EXPECT_EQ(getOr(slider, attr::NumericValue, 0), 30u);
    set(slider, attr::NumericMin, 20);
    set(slider, attr::NumericValue, 5);
    EXPECT_EQ(getOr(slider, attr::NumericValue, 0), 20u);
    EXPECT_EQ(rec.values, (std::vector<Word>{30, 20}));
    Object *bar = make("Scrollbar.mui", {{attr::PropEntries, 50}, {attr::PropVisible, 10}, {attr::PropFirst, 45}});
    EXPECT_EQ(getOr(bar, attr::PropFirst, 0), 40u);
    set(bar, attr::PropVisible, 20);
    EXPECT_EQ(getOr(bar, attr::PropFirst, 0), 30u);
    set(bar, attr::PropEntries, 5);
    EXPECT_EQ(getOr(bar, attr::PropFirst, 1), 0u);
    disposeObject(slider);
    disposeObject(bar);
}

// Entries copied by the construct hook and freed by the destruct hook.
struct Owned {
    Hook construct{&Owned::make, this};
    Hook destruct{&Owned::free, this};
    int alive = 0;
    static Word make(Hook *h, Object *, void *entry)
    {
        ++static_cast<Owned *>(h->data)->alive;
        return reinterpret_cast<Word>(strdup(static_cast<const char *>(entry)));
    }
    static Word free(Hook *h, Object *, void *entry)
    {
        --static_cast<Owned *>(h->data)->alive;
        ::free(entry);
        return 0;
    }
};

TEST_F(Widgets, ListsOwnTheirEntriesThroughHooks)
{
    Owned owned;
    Object *list = make("List.mui", {{attr::ListConstructHook, w(&owned.construct)}, {attr::ListDestructHook, w(&owned.destruct)}});
    for (const char *s : {"pear", "apple", "fig"}) doMethod(list, method::ListInsertSingle, w(s), Word(method::ListInsertBottom));
    doMethod(list, method::ListInsertSingle, w("banana"), Word(method::ListInsertSorted));
    EXPECT_EQ(owned.alive, 4);
    set(list, attr::ListActive, 1);
    doMethod(list, method::ListSort);
    Word entry = 0;
    doMethod(list, method::ListGetEntry, Word(-1), &entry);
    EXPECT_STREQ(reinterpret_cast<const char *>(entry), "pear") << "the active entry follows the sort";
    doMethod(list, method::ListRemove, Word(-1));
    EXPECT_EQ(owned.alive, 3);
    doMethod(list, method::ListGetEntry, Word(-1), &entry);
    EXPECT_STREQ(reinterpret_cast<const char *>(entry), "fig") << "the next entry becomes active";
    doMethod(list, method::ListSelect, 0, 1, 0);
    doMethod(list, method::ListSelect, 2, 1, 0);
    std::vector<SWord> selected;
    for (SWord pos = -1;;) {
        doMethod(list, method::ListNextSelected, &pos);
        if (pos < 0) break;
        selected.push_back(pos);
    }
    EXPECT_EQ(selected, (std::vector<SWord>{0, 2}));
    disposeObject(list);
    EXPECT_EQ(owned.alive, 0);
}

TEST_F(Widgets, PopobjectRunsItsHooksOnOpenAndClose)
{
    struct Hooks {
        Hook strObj{&Hooks::open, this};
        Hook objStr{&Hooks::close, this};
        int opened = 0;
        static Word open(Hook *h, Object *, void *) { return ++static_cast<Hooks *>(h->data)->opened, 1; }
        static Word close(Hook *, Object *, void *field)
        {
            set(static_cast<Object *>(field), attr::StringContents, w("chosen"));
            return 0;
        }
    } hooks;
    Object *pop = make("Popobject.mui", {{attr::PopobjectObject, w(make("List.mui"))},
                                         {attr::PopobjectStrObjHook, w(&hooks.strObj)},
                                         {attr::PopobjectObjStrHook, w(&hooks.objStr)},
                                         {attr::Name, w("combo")}});
    App a = makeApp({pop});
    notifyId(pop, attr::StringContents, kEveryTime, 4);
    popup(Target::named("combo"));
    closePopup(Target::named("combo"), false);
    popup(Target::named("combo"));
    closePopup(Target::named("combo"), true);
    EXPECT_EQ(pumpAll(a.app), (std::vector<Word>{4}));
    EXPECT_EQ(hooks.opened, 2);
    EXPECT_STREQ(text(pop, attr::StringContents), "chosen");
    disposeObject(a.app);
}

TEST_F(Widgets, WindowKeepsSpecialSizesAndPositionsAsGiven)
{
    App a = makeApp({make("Text.mui")});
    setAttrs(a.window, TagList{{attr::WinWidth, Word(SWord(-250))}, {attr::WinHeight, Word(attr::WinSizeDefault)},
                               {attr::WinLeftEdge, Word(attr::WinPosMoused)}, {attr::WinTopEdge, Word(SWord(-13))}}.data());
    EXPECT_EQ(SWord(getOr(a.window, attr::WinWidth, 0)), -250);
    EXPECT_EQ(SWord(getOr(a.window, attr::WinHeight, 0)), attr::WinSizeDefault);
    EXPECT_EQ(SWord(getOr(a.window, attr::WinLeftEdge, 0)), attr::WinPosMoused);
    EXPECT_EQ(SWord(getOr(a.window, attr::WinTopEdge, 0)), -13);
    disposeObject(a.app);
}

TEST_F(Widgets, ActivatingAWindowDeactivatesTheOthers)
{
    App a = makeApp({make("Text.mui")});
    Object *second = make("Window.mui", {{attr::WinRootObject, w(make("Group.mui", {{attr::GroupChild, w(make("Text.mui"))}}))}, {attr::Name, w("second")}});
    doMethod(a.app, method::AddMember, w(second));
    set(second, attr::WinOpen, 1);
    EXPECT_EQ(getOr(second, attr::WinActivate, 0), 1u);
    EXPECT_EQ(getOr(a.window, attr::WinActivate, 1), 0u);
    activate(Target::named("main"));
    pumpAll(a.app);
    EXPECT_EQ(getOr(a.window, attr::WinActivate, 0), 1u);
    EXPECT_EQ(getOr(second, attr::WinActivate, 1), 0u);
    disposeObject(a.app);
}

TEST_F(Widgets, BusyBarMoves)
{
    Object *busy = make("Busy.mcc", {{attr::BusySpeed, 20}});
    doMethod(busy, method::BusyMove);
    doMethod(busy, method::BusyMove);
    EXPECT_EQ(getOr(busy, attr::BusyPosition, 0), 2u);
    EXPECT_EQ(getOr(busy, attr::BusySpeed, 0), 20u);
    disposeObject(busy);
}

} // namespace
} // namespace tk::test
