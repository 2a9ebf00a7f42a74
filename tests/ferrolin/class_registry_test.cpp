// Which row an element finds under which parent, and the registry's numbers.
#include "../../ferrolin/attributes/table_search.h"
#include "../../ferrolin/description/class_registry.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassRegistry, RowForElementUnderParent)
{
    fl_link_class_tables();
    struct Case {
        const char *element;
        uint32_t parent;
        int row;
    } cases[] = {
        {"BUTTON", FL_KIND_GROUP, 13},          {"button", FL_KIND_TOOLBAR, 49},
        {"button", FL_KIND_WINDOW, -1},         {"item", FL_KIND_MENU, 5},
        {"item", FL_KIND_STATUSBAR, 50},        {"item", FL_KIND_ACCELERATOR, 51},
        {"item", FL_KIND_LISTVIEW_COLUMN, 48},  {"item", FL_KIND_WINDOW, -1},
        {"column", FL_KIND_LISTVIEW, 47},       {"Column", FL_KIND_TREEVIEW, 44},
        {"dialog", FL_KIND_APPLICATION, 2},     {"dialog", FL_KIND_DYNAMIC_ROOT, 2},
        {"dialog", FL_KIND_WINDOW, -1},         {"_virtgroup", FL_KIND_GROUP, 11},
        {"application", FL_KIND_ROOT, 0},       {"application", FL_KIND_DYNAMIC_ROOT, -1},
        {"vgroup", FL_KIND_PAGEVIEW, 6},        {"pageview", FL_KIND_WINDOW, -1},
        {"leaf", FL_KIND_TREE_NODE, 46},        {"node", FL_KIND_TREEVIEW, 45},
        {"menu", FL_KIND_MENU, 4},              {"menu", FL_KIND_GROUP, -1},
        {"nosuch", FL_KIND_GROUP, -1},
    };
    for (const Case &c : cases) EXPECT_EQ(fl_find_class_row(c.element, c.parent), c.row) << c.element << " " << c.parent;
}

TEST(ClassRegistry, Aliases)
{
    EXPECT_EQ(fl_alias_row("MenuItem", FL_KIND_APPLICATION), 5);
    EXPECT_EQ(fl_alias_row("menuitem", FL_KIND_DYNAMIC_ROOT), 5);
    EXPECT_EQ(fl_alias_row("submenu", FL_KIND_MENU), 4);
    EXPECT_EQ(fl_alias_row("submenu", FL_KIND_MENUBAR), -1);
    EXPECT_EQ(fl_alias_row("menuitem", FL_KIND_GROUP), -1);
    EXPECT_EQ(fl_alias_row("item", FL_KIND_MENU), -1);
}

TEST(ClassRegistry, ParentMasksAsNumbers)
{
    struct Range {
        int first, last;
        uint32_t mask;
    } ranges[] = {{0, 0, 0x1},          {1, 3, 0x10002},      {43, 43, 0x10002},  {4, 4, 0x1001A},
                  {5, 5, 0x10010},      {6, 9, 0x12024},      {11, 11, 0x12024},  {12, 12, 0x12020},
                  {10, 10, 0x10020},    {13, 42, 0x10020},    {44, 44, 0x80000},  {45, 46, 0x88000},
                  {47, 47, 0x1000},     {48, 48, 0x40000},    {49, 49, 0x4000},   {50, 50, 0x20000},
                  {51, 51, 0x200000}};
    for (const Range &r : ranges)
        for (int row = r.first; row <= r.last; row++) EXPECT_EQ(fl_classes[row].parentMask, r.mask) << row;
    EXPECT_EQ(fl_classes[FL_CLASS_COUNT].className, nullptr);
}

TEST(ClassRegistry, WidgetClassesAndBases)
{
    for (int row = 0; row < FL_CLASS_COUNT; row++) {
        bool widget = row == 9 || row == 10 || (row >= 12 && row <= 42);
        EXPECT_EQ(fl_is_widget_class(row), widget) << row;
    }
    EXPECT_EQ(fl_classes[2].baseRow, 1u);
    EXPECT_EQ(fl_classes[11].baseRow, 7u);
    for (int row = 0; row < FL_CLASS_COUNT; row++)
        if (row != 2 && row != 11) {
            EXPECT_EQ(fl_classes[row].baseRow, 0u) << row;
        }
}

TEST(ClassRegistry, VirtgroupReachesHGroupAttributes)
{
    fl_link_class_tables();
    AttributeRow *own = fl_find_attribute(FL_CLASS_VIRTGROUP, "horiz", FL_ACCESS_INIT);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->tag, 0x8042536Bu);
    AttributeRow *frame = fl_find_attribute(FL_CLASS_VIRTGROUP, "Frame", FL_ACCESS_INIT);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame, fl_find_attribute(FL_CLASS_HGROUP, "Frame", FL_ACCESS_INIT));
    EXPECT_NE(fl_find_method(FL_CLASS_VIRTGROUP, "InitChange"), nullptr) << "base class methods";
    // Not a widget class: the generic rows do not reach it.
    EXPECT_EQ(fl_find_attribute(FL_CLASS_VIRTGROUP, "Tooltip", FL_ACCESS_INIT), nullptr);
}

} // namespace
