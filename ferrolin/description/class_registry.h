// The class registry: which elements a description may use, under which
// parents, whether their text content counts, and which toolkit class and
// attribute and method tables serve each.
#pragma once

#include "../attributes/vocabulary.h"

#include <cstdint>

// Type bits: the category of a class, and of the parser level it opens.
enum : uint32_t {
    FL_KIND_ROOT = 0x1,             // level 0 of a CreateApp description
    FL_KIND_APPLICATION = 0x2,
    FL_KIND_WINDOW = 0x4,
    FL_KIND_MENUBAR = 0x8,
    FL_KIND_MENU = 0x10,
    FL_KIND_GROUP = 0x20,
    FL_KIND_WIDGET = 0x40,          // no children, no text
    FL_KIND_LINE_TEXT = 0x80,       // single-line text content
    FL_KIND_MULTILINE_TEXT = 0x100,
    FL_KIND_MENU_ITEM = 0x200,
    FL_KIND_ITEM_LIST = 0x400,      // children are <item> entries
    FL_KIND_ITEM = 0x800,           // the level of an <item> inside an item list
    FL_KIND_LISTVIEW = 0x1000,
    FL_KIND_PAGEVIEW = 0x2000,
    FL_KIND_TOOLBAR = 0x4000,
    FL_KIND_TREE_NODE = 0x8000,
    FL_KIND_DYNAMIC_ROOT = 0x10000, // level 0 of a CreateObject or CreateDialog description
    FL_KIND_STATUSBAR = 0x20000,
    FL_KIND_LISTVIEW_COLUMN = 0x40000,
    FL_KIND_TREEVIEW = 0x80000,
    FL_KIND_TREEVIEW_COLUMN = 0x100000,
    FL_KIND_ACCELERATOR = 0x200000,
};

// Class rows by index; rows sharing an element name are told apart by parent.
enum FlClass {
    FL_CLASS_APPLICATION, FL_CLASS_WINDOW, FL_CLASS_DIALOG, FL_CLASS_MENUBAR, FL_CLASS_MENU, FL_CLASS_MENU_ITEM,
    FL_CLASS_VGROUP, FL_CLASS_HGROUP, FL_CLASS_COLGROUP, FL_CLASS_SCROLLGROUP, FL_CLASS_SCROLLCANVAS,
    FL_CLASS_VIRTGROUP, FL_CLASS_PAGEVIEW, FL_CLASS_BUTTON, FL_CLASS_CHOICE, FL_CLASS_LISTVIEW, FL_CLASS_RADIO,
    FL_CLASS_RECTANGLE, FL_CLASS_TEXT, FL_CLASS_TEXTENTRY, FL_CLASS_PROGRESSBAR, FL_CLASS_SLIDER,
    FL_CLASS_CHECKBOX, FL_CLASS_TEXTVIEW, FL_CLASS_HSPACE, FL_CLASS_VSPACE, FL_CLASS_HLINE, FL_CLASS_VLINE,
    FL_CLASS_LABEL, FL_CLASS_SCROLLBAR, FL_CLASS_IMAGE, FL_CLASS_KESTRUNE, FL_CLASS_POPCOLOR, FL_CLASS_POPFILE,
    FL_CLASS_POPPATH, FL_CLASS_POPFONT, FL_CLASS_COMBOBOX, FL_CLASS_TREEVIEW, FL_CLASS_TOOLBAR,
    FL_CLASS_TEXTEDITOR, FL_CLASS_HTMLVIEW, FL_CLASS_STATUSBAR, FL_CLASS_BUSYBAR, FL_CLASS_ACCELERATOR,
    FL_CLASS_TREEVIEW_COLUMN, FL_CLASS_NODE, FL_CLASS_LEAF, FL_CLASS_LISTVIEW_COLUMN, FL_CLASS_LISTVIEW_ITEM,
    FL_CLASS_TOOLBAR_BUTTON, FL_CLASS_STATUSBAR_ITEM, FL_CLASS_ACCELERATOR_ITEM,
    FL_CLASS_COUNT
};

struct ClassRow {
    const char *className;    // the toolkit class, or a private one beginning with "_"
    const char *elementName;  // compared ignoring case
    uint32_t baseRow;         // row whose attribute table is searched after this one's; 0 = none
    AttributeRow *attributes; // linked at plugin start
    const MethodRow *methods; // linked at plugin start; null without methods of its own
    uint32_t hasText;         // the element collects its text content
    uint32_t typeBit;         // FL_KIND_*
    uint32_t parentMask;      // the kinds of level it may stand under
};

// The rows in order, ended by a row whose class name is null.
extern ClassRow fl_classes[];

// Points every row at its attribute and method tables.
void fl_link_class_tables();

// The first row named `element` (ignoring case) that may stand under a level
// of kind `parentKind`, or -1.
int fl_find_class_row(const char *element, uint32_t parentKind);

// The row an alias stands for under a level of kind `parentKind`: "menuitem"
// (a menu Item) and "submenu" (a Menu) under the application, a menu or the
// dynamic root. -1 when the name is no alias or not allowed there.
int fl_alias_row(const char *element, uint32_t parentKind);

// Widget classes also use the generic attribute and method tables.
bool fl_is_widget_class(int row);
