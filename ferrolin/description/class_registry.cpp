// The class table in row order, and the lookups over it.
#include "class_registry.h"

#include <strings.h>

namespace {

// Allowed-parent masks.
constexpr uint32_t kUnderRoot = FL_KIND_ROOT;                                                 // 0x1
constexpr uint32_t kUnderApplication = FL_KIND_APPLICATION | FL_KIND_DYNAMIC_ROOT;            // 0x10002
constexpr uint32_t kUnderMenus = FL_KIND_APPLICATION | FL_KIND_MENUBAR | FL_KIND_MENU | FL_KIND_DYNAMIC_ROOT; // 0x1001A
constexpr uint32_t kUnderMenu = FL_KIND_MENU | FL_KIND_DYNAMIC_ROOT;                          // 0x10010
constexpr uint32_t kUnderContainers =
    FL_KIND_WINDOW | FL_KIND_GROUP | FL_KIND_PAGEVIEW | FL_KIND_DYNAMIC_ROOT;                 // 0x12024
constexpr uint32_t kUnderGroupsAndPages = FL_KIND_GROUP | FL_KIND_PAGEVIEW | FL_KIND_DYNAMIC_ROOT; // 0x12020
constexpr uint32_t kUnderGroups = FL_KIND_GROUP | FL_KIND_DYNAMIC_ROOT;                       // 0x10020

constexpr uint32_t NO = 0, YES = 1;

} // namespace

ClassRow fl_classes[] = {
    // class name            element         base  tables            text type bit                 parents
    {"Application.mui",       "Application",  0,    nullptr, nullptr, NO,  FL_KIND_APPLICATION,     kUnderRoot},
    {"Window.mui",            "Window",       0,    nullptr, nullptr, NO,  FL_KIND_WINDOW,          kUnderApplication},
    {"_Dialog.mui",           "Dialog",       1,    nullptr, nullptr, NO,  FL_KIND_WINDOW,          kUnderApplication},
    {"Menustrip.mui",         "Menubar",      0,    nullptr, nullptr, NO,  FL_KIND_MENUBAR,         kUnderApplication},
    {"Menu.mui",              "Menu",         0,    nullptr, nullptr, NO,  FL_KIND_MENU,            kUnderMenus},
    {"Menuitem.mui",          "Item",         0,    nullptr, nullptr, YES, FL_KIND_MENU_ITEM,       kUnderMenu},
    {"Group.mui",             "VGroup",       0,    nullptr, nullptr, NO,  FL_KIND_GROUP,           kUnderContainers},
    {"Group.mui",             "HGroup",       0,    nullptr, nullptr, NO,  FL_KIND_GROUP,           kUnderContainers},
    {"_Colgroup.mui",         "Colgroup",     0,    nullptr, nullptr, NO,  FL_KIND_GROUP,           kUnderContainers},
    {"Scrollgroup.mui",       "Scrollgroup",  0,    nullptr, nullptr, NO,  FL_KIND_GROUP,           kUnderContainers},
    {"_Scrollcanvas.mui",     "Scrollcanvas", 0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Virtgroup.mui",         "_Virtgroup",   7,    nullptr, nullptr, NO,  FL_KIND_GROUP,           kUnderContainers},
    {"Register.mui",          "Pageview",     0,    nullptr, nullptr, NO,  FL_KIND_PAGEVIEW,        kUnderGroupsAndPages},
    {"_Button.mui",           "Button",       0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       kUnderGroups},
    {"Cycle.mui",             "Choice",       0,    nullptr, nullptr, YES, FL_KIND_ITEM_LIST,       kUnderGroups},
    {"Listview.mui",          "Listview",     0,    nullptr, nullptr, NO,  FL_KIND_LISTVIEW,        kUnderGroups},
    {"Radio.mui",             "Radio",        0,    nullptr, nullptr, YES, FL_KIND_ITEM_LIST,       kUnderGroups},
    {"Rectangle.mui",         "Rectangle",    0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Text.mui",              "Text",         0,    nullptr, nullptr, YES, FL_KIND_MULTILINE_TEXT,  kUnderGroups},
    {"String.mui",            "Textentry",    0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       kUnderGroups},
    {"Gauge.mui",             "Progressbar",  0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Slider.mui",            "Slider",       0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_Checkmark.mui",        "Checkbox",     0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       kUnderGroups},
    {"Floattext.mui",         "Textview",     0,    nullptr, nullptr, YES, FL_KIND_MULTILINE_TEXT,  kUnderGroups},
    {"_HSpace.mui",           "HSpace",       0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_VSpace.mui",           "VSpace",       0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_HLine.mui",            "HLine",        0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_VLine.mui",            "VLine",        0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_Label.mui",            "Label",        0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       kUnderGroups},
    {"Scrollbar.mui",         "Scrollbar",    0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Image.mui",             "Image",        0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_Kestrune.mui",         "Kestrune",     0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Poppen.mui",            "Popcolor",     0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Popasl.mui",            "Popfile",      0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Popasl.mui",            "Poppath",      0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Popasl.mui",            "Popfont",      0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"Popobject.mui",         "Combobox",     0,    nullptr, nullptr, YES, FL_KIND_ITEM_LIST,       kUnderGroups},
    {"Listtree.mcc",          "Treeview",     0,    nullptr, nullptr, NO,  FL_KIND_TREEVIEW,        kUnderGroups},
    {"TheBar.mcc",            "Toolbar",      0,    nullptr, nullptr, YES, FL_KIND_TOOLBAR,         kUnderGroups},
    {"TextEditor.mcc",        "Texteditor",   0,    nullptr, nullptr, YES, FL_KIND_MULTILINE_TEXT,  kUnderGroups},
    {"HTMLview.mcc",          "HTMLview",     0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_Statusbar.mui",        "Statusbar",    0,    nullptr, nullptr, NO,  FL_KIND_STATUSBAR,       kUnderGroups},
    {"Busy.mcc",              "Busybar",      0,    nullptr, nullptr, NO,  FL_KIND_WIDGET,          kUnderGroups},
    {"_Accelerator.mui",      "Accelerator",  0,    nullptr, nullptr, NO,  FL_KIND_ACCELERATOR,     kUnderApplication},
    {"Listtreecolumn.mui",    "Column",       0,    nullptr, nullptr, NO,  FL_KIND_TREEVIEW_COLUMN, FL_KIND_TREEVIEW},
    {"Listtreenode.mui",      "Node",         0,    nullptr, nullptr, NO,  FL_KIND_TREE_NODE,       FL_KIND_TREEVIEW | FL_KIND_TREE_NODE},
    {"Listtreeleaf.mui",      "Leaf",         0,    nullptr, nullptr, YES, FL_KIND_ITEM_LIST,       FL_KIND_TREEVIEW | FL_KIND_TREE_NODE},
    {"Listviewcolumn.mui",    "Column",       0,    nullptr, nullptr, NO,  FL_KIND_LISTVIEW_COLUMN, FL_KIND_LISTVIEW},
    {"Listviewitem.mui",      "Item",         0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       FL_KIND_LISTVIEW_COLUMN},
    {"Toolbarbutton.mui",     "Button",       0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       FL_KIND_TOOLBAR},
    {"Statusbaritem.mui",     "Item",         0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       FL_KIND_STATUSBAR},
    {"Acceleratoritem.mui",   "Item",         0,    nullptr, nullptr, YES, FL_KIND_LINE_TEXT,       FL_KIND_ACCELERATOR},
    {nullptr,                 nullptr,        0,    nullptr, nullptr, NO,  0,                       0},
};

static_assert(sizeof fl_classes / sizeof fl_classes[0] == FL_CLASS_COUNT + 1);

void fl_link_class_tables()
{
    for (int row = 0; fl_classes[row].className; row++) {
        fl_classes[row].attributes = fl_class_attributes(row);
        fl_classes[row].methods = fl_class_methods(row);
    }
}

int fl_find_class_row(const char *element, uint32_t parentKind)
{
    if (!element) return -1;
    for (int row = 0; fl_classes[row].className; row++) {
        const ClassRow &c = fl_classes[row];
        if ((c.parentMask & parentKind) && strcasecmp(c.elementName, element) == 0) return row;
    }
    return -1;
}

int fl_alias_row(const char *element, uint32_t parentKind)
{
    constexpr uint32_t kAliasParents = FL_KIND_APPLICATION | FL_KIND_MENU | FL_KIND_DYNAMIC_ROOT; // 0x10012
    if (!element || !(parentKind & kAliasParents)) return -1;
    if (strcasecmp(element, "menuitem") == 0) return FL_CLASS_MENU_ITEM;
    if (strcasecmp(element, "submenu") == 0) return FL_CLASS_MENU;
    return -1;
}

bool fl_is_widget_class(int row)
{
    return row == FL_CLASS_SCROLLGROUP || row == FL_CLASS_SCROLLCANVAS ||
           (row >= FL_CLASS_PAGEVIEW && row <= FL_CLASS_BUSYBAR);
}
