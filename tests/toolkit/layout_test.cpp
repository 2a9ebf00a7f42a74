// Sizes, weights, columns, pages, nested groups, window sizes and the change
// bracket that grows a window.
#include "fixture.h"

namespace tk::test {
namespace {

class Layout : public World {};

struct SizeCase {
    long available;
    std::vector<SizeItem> items;
    std::vector<long> sizes;
};

TEST(LayoutShare, SpaceGoesByWeightBetweenMinimumDefaultAndMaximum)
{
    const SizeCase cases[] = {
        {30, {{10, 20, 100, 100}, {10, 20, 100, 100}}, {15, 15}},         // between minima and defaults
        {40, {{10, 20, 100, 100}, {10, 20, 100, 100}}, {20, 20}},         // exactly the defaults
        {100, {{10, 20, 100, 100}, {10, 20, 100, 300}}, {35, 65}},        // weights 1:3 past the defaults
        {100, {{10, 20, 25, 100}, {10, 20, 1000, 100}}, {25, 75}},        // a maximum caps, the rest goes on
        {100, {{10, 20, 1000, 0}, {10, 20, 1000, 100}}, {20, 80}},        // weight 0 keeps its default
        {20, {{15, 20, 30, 100}, {15, 20, 30, 100}}, {15, 15}},           // below the minima: minima
        {90, {{10, 10, 20, 100}, {10, 10, 20, 100}}, {20, 20}},           // nobody can take the rest
        {41, {{0, 0, 100, 100}, {0, 0, 100, 100}, {0, 0, 100, 100}}, {14, 14, 13}}, // rounding: no pixel lost
    };
    for (const SizeCase &c : cases) EXPECT_EQ(distributeSizes(c.available, c.items), c.sizes) << c.available;
}

TEST(LayoutShare, SpecialWindowSizesAndPositions)
{
    EXPECT_EQ(resolveWindowSize(attr::WinSizeDefault, 100, 200, 500, 1000, 900), 200);
    EXPECT_EQ(resolveWindowSize(-50, 100, 200, 500, 1000, 900), 300) << "half way from minimum to maximum";
    EXPECT_EQ(resolveWindowSize(-150, 100, 200, 1000, 1000, 900), 450) << "50 % of the visible screen";
    EXPECT_EQ(resolveWindowSize(-250, 100, 200, 1000, 1000, 900), 500) << "50 % of the screen";
    EXPECT_EQ(resolveWindowSize(-290, 100, 200, 500, 1000, 900), 500) << "never beyond the maximum";
    EXPECT_EQ(resolveWindowSize(50, 100, 200, 500, 1000, 900), 100) << "never below the minimum";
    EXPECT_EQ(resolveWindowPos(attr::WinPosCentered, 200, 1000, 0, 20, false), 400);
    EXPECT_EQ(resolveWindowPos(attr::WinPosMoused, 200, 1000, 150, 20, false), 50);
    EXPECT_EQ(resolveWindowPos(-13, 200, 1000, 0, 20, true), 30) << "10 pixels below the screen title";
    EXPECT_EQ(resolveWindowPos(900, 200, 1000, 0, 20, false), 800) << "kept on the screen";
}

long width(Object *o) { return long(SWord(getOr(o, attr::Width, 0))); }
long height(Object *o) { return long(SWord(getOr(o, attr::Height, 0))); }
long left(Object *o) { return long(SWord(getOr(o, attr::Left, 0))); }
long top(Object *o) { return long(SWord(getOr(o, attr::Top, 0))); }

TEST_F(Layout, HorizontalGroupSharesByWeightAndHonoursFixedWidths)
{
    Object *a = make("Rectangle.mui", {{attr::Weight, 100}});
    Object *b = make("Rectangle.mui", {{attr::Weight, 300}});
    Object *fixed = make("Rectangle.mui", {{attr::FixWidth, 50}});
    Object *row = make("Group.mui", {{attr::GroupHoriz, 1}, {attr::GroupChild, w(a)}, {attr::GroupChild, w(b)},
                                     {attr::GroupChild, w(fixed)}});
    App app = makeApp({row});
    ASSERT_EQ(resizeWindow(app.window, 458, 100), 0);
    // 458 - 50 fixed - 2 spacings of 4 = 400, shared 1:3.
    EXPECT_EQ(width(fixed), 50);
    EXPECT_EQ(width(a), 100);
    EXPECT_EQ(width(b), 300);
    EXPECT_EQ(left(b), left(a) + 100 + kGroupSpacing);
    EXPECT_EQ(height(a), height(row)) << "the cross axis is filled";
    disposeObject(app.app);
}

TEST_F(Layout, ColumnsLineUpAndPagesShareOneBox)
{
    std::vector<Object *> cells;
    for (int i = 0; i < 6; ++i) cells.push_back(make("Text.mui", {{attr::TextContents, w(i % 2 ? "x" : "a longer label")}}));
    std::vector<TagItem> tags{{attr::GroupColumns, 2}};
    for (Object *c : cells) tags.push_back(TagItem{attr::GroupChild, w(c)});
    tags.push_back(TagItem{kTagDone, 0});
    Object *grid = newObject("Group.mui", tags.data());
    Object *page1 = make("Text.mui", {{attr::TextContents, w("first page")}});
    Object *page2 = make("Text.mui", {{attr::TextContents, w("second page, wider than the first")}});
    Object *pages = make("Group.mui", {{attr::GroupPageMode, 1}, {attr::GroupChild, w(page1)}, {attr::GroupChild, w(page2)}});
    App app = makeApp({grid, pages});
    for (int i = 0; i < 6; i += 2) {
        EXPECT_EQ(left(cells[size_t(i)]), left(cells[0])) << "column 0, row " << i / 2;
        EXPECT_EQ(left(cells[size_t(i + 1)]), left(cells[1])) << "column 1, row " << i / 2;
        EXPECT_EQ(top(cells[size_t(i)]), top(cells[size_t(i + 1)])) << "one row";
    }
    EXPECT_GT(top(cells[2]), top(cells[0]));
    EXPECT_EQ(left(page1), left(page2));
    EXPECT_EQ(top(page1), top(page2));
    EXPECT_GE(width(pages), queryMinMax(page2).minWidth) << "room for the widest page";
    EXPECT_TRUE(page1->shown);
    EXPECT_FALSE(page2->shown) << "only the active page shows";
    disposeObject(app.app);
}

TEST_F(Layout, NestedGroupsAndFramesAddUp)
{
    Object *inner = make("Text.mui", {{attr::TextContents, w("A label wider than the title of its frame")}});
    Object *framed = make("Group.mui", {{attr::Frame, kFrameGroup}, {attr::FrameTitle, w("Box")}, {attr::GroupChild, w(inner)}});
    App app = makeApp({framed});
    const MinMax text = queryMinMax(inner), group = queryMinMax(framed);
    EXPECT_EQ(group.minWidth - text.minWidth, framed->inset[0] + framed->inset[1]);
    EXPECT_EQ(group.minHeight - text.minHeight, framed->inset[2] + framed->inset[3]);
    EXPECT_GT(framed->inset[2], framed->inset[3]) << "the title takes room on top";
    const Rect in = innerBox(framed);
    EXPECT_GE(left(inner), in.x);
    EXPECT_GE(top(inner), in.y);
    EXPECT_LE(left(inner) + width(inner), in.x + in.width);
    disposeObject(app.app);
}

TEST_F(Layout, AChangeBracketGrowsTheWindowOnceAtItsEnd)
{
    Object *group = make("Group.mui", {{attr::GroupChild, w(make("Text.mui", {{attr::TextContents, w("one")}}))}});
    App app = makeApp({group});
    const Rect before = windowBox(app.window);
    const uint64_t layouts = screen().layouts;
    doMethod(group, method::GroupInitChange);
    for (const char *t : {"a second, much wider line of text", "a third", "a fourth"})
        doMethod(group, method::AddMember, make("Text.mui", {{attr::TextContents, w(t)}}));
    EXPECT_EQ(screen().layouts, layouts) << "nothing happens inside the bracket";
    doMethod(group, method::GroupExitChange);
    EXPECT_EQ(screen().layouts, layouts + 1);
    const Rect after = windowBox(app.window);
    EXPECT_GT(after.width, before.width);
    EXPECT_GT(after.height, before.height);
    // The new children do not overlap.
    for (size_t i = 1; i < group->children.size(); ++i)
        EXPECT_GE(top(group->children[i]), top(group->children[i - 1]) + height(group->children[i - 1]));
    disposeObject(app.app);
}

TEST_F(Layout, HidingAWidgetGivesItsRoomToTheOthers)
{
    Object *a = make("Rectangle.mui");
    Object *b = make("Rectangle.mui");
    App app = makeApp({make("Group.mui", {{attr::GroupHoriz, 1}, {attr::GroupChild, w(a)}, {attr::GroupChild, w(b)}})});
    resizeWindow(app.window, 204, 50);
    EXPECT_EQ(width(a), 100);
    set(b, attr::ShowMe, 0);
    EXPECT_EQ(width(a), 204);
    EXPECT_FALSE(b->shown);
    set(b, attr::ShowMe, 1);
    EXPECT_EQ(width(a), 100);
    EXPECT_TRUE(b->shown);
    disposeObject(app.app);
}

TEST_F(Layout, WindowSizeStaysWithinWhatItsContentsAllow)
{
    Object *text = make("Text.mui", {{attr::TextContents, w("fixed height")}});
    App app = makeApp({text});
    const MinMax mm = queryMinMax(app.root);
    resizeWindow(app.window, 5, 5000);
    EXPECT_EQ(width(app.root), mm.minWidth);
    EXPECT_EQ(height(app.root), mm.maxHeight) << "a text does not grow in height";
    EXPECT_EQ(resizeWindow(make("Window.mui"), 10, 10), kErrNotOpen);
    disposeObject(app.app);
}

TEST_F(Layout, VirtualGroupsShowAPartOfTheirContents)
{
    std::vector<TagItem> tags;
    for (int i = 0; i < 30; ++i) tags.push_back(TagItem{attr::GroupChild, w(make("Text.mui", {{attr::TextContents, w("row")}}))});
    tags.push_back(TagItem{kTagDone, 0});
    Object *virt = newObject("Virtgroup.mui", tags.data());
    Object *scroll = make("Scrollgroup.mui", {{attr::ScrollContents, w(virt)}});
    App app = makeApp({scroll});
    resizeWindow(app.window, 200, 120);
    const long visible = innerBox(virt).height;
    EXPECT_GT(long(getOr(virt, attr::VirtHeight, 0)), visible) << "more rows than room";
    Object *first = virt->children[0];
    const long y = top(first);
    set(virt, attr::VirtTop, 20);
    EXPECT_EQ(top(first), y - 20) << "the contents move up";
    set(virt, attr::VirtTop, 100000);
    EXPECT_EQ(long(getOr(virt, attr::VirtTop, 0)), long(getOr(virt, attr::VirtHeight, 0)) - visible) << "not past the end";
    disposeObject(app.app);
}

} // namespace
} // namespace tk::test
