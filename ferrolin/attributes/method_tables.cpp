// The method tables of every class, row for row in search order, and the
// named values of their parameters. Read a row as: method id, name, and the
// parameter slots in order.
#include "vocabulary.h"

namespace {

// Parameter slots, named as the vocabulary names them.
constexpr MethodParam number() { return {FL_PARAM_NUMBER, nullptr, 0}; }
constexpr MethodParam text() { return {FL_PARAM_TEXT, nullptr, 0}; }
constexpr MethodParam name(const EnumEntry *t) { return {FL_PARAM_NAME, t, 0}; }
constexpr MethodParam numberOrName(const EnumEntry *t) { return {FL_PARAM_NUMBER_OR_NAME, t, 0}; }
constexpr MethodParam flagNames(const EnumEntry *t) { return {FL_PARAM_FLAG_NAMES, t, 0}; }
constexpr MethodParam menuId() { return {FL_PARAM_MENU_ID, nullptr, 0}; }
constexpr MethodParam objectId() { return {FL_PARAM_OBJECT_ID, nullptr, 0}; }
constexpr MethodParam newId() { return {FL_PARAM_NEW_ID, nullptr, 0}; }
constexpr MethodParam treeNode(const EnumEntry *t) { return {FL_PARAM_TREE_NODE, t, 0}; }
constexpr MethodParam treeEntry(const EnumEntry *t) { return {FL_PARAM_TREE_ENTRY, t, 0}; }
constexpr MethodParam entryOrUid(const EnumEntry *t) { return {FL_PARAM_ENTRY_OR_UID, t, 0}; }
constexpr MethodParam columnTexts() { return {FL_PARAM_COLUMN_TEXTS, nullptr, 0}; }
constexpr MethodParam function() { return {FL_PARAM_FUNCTION, nullptr, 0}; }
constexpr MethodParam anyValue() { return {FL_PARAM_ANY_VALUE, nullptr, 0}; }
constexpr MethodParam implicit(intptr_t constant) { return {FL_PARAM_IMPLICIT, nullptr, constant}; }
constexpr MethodParam implicitText(const char *constant) { return {FL_PARAM_IMPLICIT, constant, 0}; }
constexpr MethodParam resultCell1() { return {FL_PARAM_IMPLICIT | FL_PARAM_RESULT_CELL_1, nullptr, 0}; }
constexpr MethodParam resultCell2() { return {FL_PARAM_IMPLICIT | FL_PARAM_RESULT_CELL_2, nullptr, 0}; }
constexpr MethodParam optional(MethodParam p, intptr_t def) { return {p.type | FL_PARAM_OPTIONAL, p.table, def}; }

const EnumEntry kPageviewGetPageIDNames[] = {{"First", 0}, {"Last", -1}, {"Active", -2}, {nullptr, 0}};
const EnumEntry kActiveNames[] = {{"Active", -1}, {nullptr, 0}};
const EnumEntry kChoiceInsertNames[] = {{"Top", 0}, {"Bottom", -3}, {"Active", -1}, {nullptr, 0}};
const EnumEntry kRemoveNames[] = {{"First", 0}, {"Active", -1}, {"Last", -2}, {nullptr, 0}};
const EnumEntry kListviewPositionNames[] = {{"Top", 0}, {"Active", -1}, {"Bottom", -2}, {"Next", -3}, {"Previous", -4}, {nullptr, 0}};
const EnumEntry kListviewInsertNames[] = {{"Top", 0}, {"Active", -1}, {"Sorted", -2}, {"Bottom", -3}, {nullptr, 0}};
const EnumEntry kListviewJumpNames[] = {{"Active", -1}, {"Top", 0}, {"Bottom", -2}, {nullptr, 0}};
const EnumEntry kSelectWhichNames[] = {{"Active", -1}, {"All", -2}, {nullptr, 0}};
const EnumEntry kSelectStateNames[] = {{"Off", 0}, {"On", 1}, {"Toggle", 2}, {"Ask", 3}, {nullptr, 0}};
const EnumEntry kComboboxInsertNames[] = {{"Top", 0}, {"Bottom", -3}, {nullptr, 0}};
const EnumEntry kRootNames[] = {{"Root", 0}, {nullptr, 0}};
const EnumEntry kTreeviewInsertPositionNames[] = {{"Head", 0}, {"Tail", -1}, {"Active", -2}, {nullptr, 0}};
const EnumEntry kActiveEntryNames[] = {{"Active", -2}, {nullptr, 0}};
const EnumEntry kRootActiveNames[] = {{"Root", 0}, {"Active", -2}, {nullptr, 0}};
const EnumEntry kTreeviewRelationNames[] = {{"Head", 0}, {"Tail", -1}, {"Active", -2}, {"Next", -3}, {"Previous", -4}, {"Parent", -5}, {nullptr, 0}};
const EnumEntry kTexteditorInsertNames[] = {{"Cursor", 0}, {"Top", 1}, {"Bottom", 2}, {nullptr, 0}};
const EnumEntry kHTMLviewSearchFlags[] = {{"CaseSensitive", 1}, {"Backwards", 4}, {nullptr, 0}};

// 0 Application ("Application.mui")
const MethodRow kApplicationMethods[] = {
    {0x80000027, "AboutFerrolin",    {}},
    {0x00000109, "AddWindow",        {objectId()}},
    {0x0000010A, "RemoveWindow",     {objectId()}},
    {0x804299BA, "OpenConfigWindow", {implicit(0)}},
    {0x8042D21D, "AboutMUI",         {implicit(0)}},
    {},
};

// 2 Dialog ("_Dialog.mui")
const MethodRow kDialogMethods[] = {
    {0x8000005D, "ShowModal", {optional(function(), 0), optional(anyValue(), -1)}},
    {0x8000005E, "EndModal",  {number(), optional(number(), 0)}},
    {},
};

// 3 Menubar ("Menustrip.mui")
const MethodRow kMenubarMethods[] = {
    {0x8042F8A9, "Remove",  {objectId()}},
    {0x80424D34, "Insert",  {objectId(), menuId()}},
    {0x8042E200, "Prepend", {objectId()}},
    {0x8042D752, "Append",  {objectId()}},
    {},
};

// 6 VGroup ("Group.mui")
const MethodRow kVGroupMethods[] = {
    {0x80420887, "InitChange", {}},
    {0x8042D1CC, "ExitChange", {optional(number(), 0)}},
    {0x00000109, "Append",     {objectId()}},
    {0x0000010A, "Remove",     {objectId()}},
    {0x8042E200, "Prepend",    {objectId()}},
    {0x80424D34, "Insert",     {objectId(), menuId()}},
    {},
};

// 10 Scrollcanvas ("_Scrollcanvas.mui")
const MethodRow kScrollcanvasMethods[] = {
    {0x8000009D, "Scroll", {number(), number()}},
    {},
};

// 12 Pageview ("Register.mui")
const MethodRow kPageviewMethods[] = {
    {0x8000002B, "Append",    {objectId(), optional(number(), 0)}},
    {0x800000AB, "Prepend",   {objectId(), optional(number(), 0)}},
    {0x80000089, "Insert",    {objectId(), number(), optional(number(), 0)}},
    {0x8000002C, "Remove",    {objectId()}},
    {0x80000088, "GetPageID", {numberOrName(kPageviewGetPageIDNames)}},
    {},
};

// 14 Choice ("Cycle.mui")
const MethodRow kChoiceMethods[] = {
    {0x800000DE, "Clear",    {}},
    {0x800000E0, "GetEntry", {numberOrName(kActiveNames)}},
    {0x800000E1, "Insert",   {numberOrName(kChoiceInsertNames), text()}},
    {0x800000DF, "Remove",   {numberOrName(kRemoveNames)}},
    {0x800000E2, "Rename",   {numberOrName(kActiveNames), text()}},
    {},
};

// 15 Listview ("Listview.mui")
const MethodRow kListviewMethods[] = {
    {0x8042AD89, "Clear",        {}},
    {0x8042468C, "Exchange",     {numberOrName(kListviewPositionNames), numberOrName(kListviewPositionNames)}},
    {0x804280EC, "GetEntry",     {numberOrName(kActiveNames), resultCell1()}},
    {0x804254D5, "Insert",       {numberOrName(kListviewInsertNames), columnTexts()}},
    {0x8042BAAB, "Jump",         {numberOrName(kListviewJumpNames)}},
    {0x804253C2, "Move",         {numberOrName(kListviewPositionNames), numberOrName(kListviewPositionNames)}},
    {0x80425F17, "GetSelection", {}},
    {0x8042647E, "Remove",       {numberOrName(kRemoveNames)}},
    {0x804252D8, "Select",       {numberOrName(kSelectWhichNames), numberOrName(kSelectStateNames), resultCell2()}},
    {0x80422275, "Sort",         {}},
    {0x80000029, "Rename",       {numberOrName(kActiveNames), columnTexts()}},
    {0x800000B4, "SetState",     {number(), number(), number()}},
    {0x800000B5, "GetState",     {number(), number()}},
    {0x800000BA, "Edit",         {number(), number()}},
    {0x800000BB, "SetDisabled",  {number(), number(), number()}},
    {0x800000BC, "GetDisabled",  {number(), number()}},
    {},
};

// 19 Textentry ("String.mui")
const MethodRow kTextentryMethods[] = {
    {0x851B071E, "Cut",          {}},
    {0x851B071F, "Copy",         {}},
    {0x851B0720, "Paste",        {}},
    {0x851B074A, "Undo",         {}},
    {0x851B074B, "Redo",         {}},
    {0x851B0728, "Insert",       {text(), implicit(0)}},
    {0x80000035, "Mark",         {number(), number()}},
    {0x80000037, "MarkNone",     {}},
    {0x80000036, "MarkAll",      {}},
    {0x80000038, "GetSelection", {}},
    {},
};

// 36 Combobox ("Popobject.mui")
const MethodRow kComboboxMethods[] = {
    {0x800000DE, "Clear",    {}},
    {0x800000E0, "GetEntry", {number()}},
    {0x800000E1, "Insert",   {numberOrName(kComboboxInsertNames), text()}},
    {0x800000DF, "Remove",   {number()}},
    {0x800000E2, "Rename",   {number(), text()}},
    {},
};

// 37 Treeview ("Listtree.mcc")
const MethodRow kTreeviewMethods[] = {
    {0x80020011, "InsertNode", {newId(), treeNode(kRootNames), treeEntry(kTreeviewInsertPositionNames), implicit(2), columnTexts()}},
    {0x80020011, "InsertLeaf", {newId(), treeNode(kRootNames), treeEntry(kTreeviewInsertPositionNames), implicit(0), columnTexts()}},
    {0x80020012, "Remove",     {treeEntry(kActiveEntryNames)}},
    {0x8002001E, "Open",       {treeNode(kRootActiveNames), optional(number(), 0)}},
    {0x8002001F, "Close",      {treeNode(kRootActiveNames)}},
    {0x8002002B, "GetEntry",   {entryOrUid(kRootActiveNames), numberOrName(kTreeviewRelationNames), implicit(0)}},
    {},
};

// 39 Texteditor ("TextEditor.mcc")
const MethodRow kTexteditorMethods[] = {
    {0xAD000024, "Clear",        {}},
    {0xAD000023, "Cut",          {implicitText("CUT")}},
    {0xAD000023, "Copy",         {implicitText("COPY")}},
    {0xAD000023, "Paste",        {implicitText("PASTE")}},
    {0xAD000023, "Undo",         {implicitText("UNDO")}},
    {0xAD000023, "Redo",         {implicitText("REDO")}},
    {0xAD000026, "Insert",       {text(), name(kTexteditorInsertNames)}},
    {0xAD000030, "GetSelection", {}},
    {0xAD00002C, "Mark",         {number(), number()}},
    {0xAD00002C, "MarkNone",     {implicit(0), implicit(-1)}},
    {0xAD00002C, "MarkAll",      {implicit(-1), implicit(0)}},
    {0xAD000037, "GetText",      {number(), number()}},
    {0xAD00002E, "SetBold",      {number(), number(), implicit(2), number()}},
    {0xAD00002E, "SetItalic",    {number(), number(), implicit(4), number()}},
    {0xAD00002E, "SetUnderline", {number(), number(), implicit(8), number()}},
    {0x8000005A, "SetColor",     {number(), number(), implicit(1), number()}},
    {0xAD000044, "GetXY",        {number()}},
    {},
};

// 40 HTMLview ("HTMLview.mcc")
const MethodRow kHTMLviewMethods[] = {
    {0xAD003019, "Reload",       {}},
    {0xAD00301F, "Search",       {text(), flagNames(kHTMLviewSearchFlags)}},
    {0x80000078, "GoBack",       {}},
    {0x80000079, "GoForward",    {}},
    {0x8000007E, "ClearHistory", {}},
    {},
};

// 42 Busybar ("Busy.mcc")
const MethodRow kBusybarMethods[] = {
    {0x80020001, "Move",  {}},
    {0x80000086, "Reset", {}},
    {},
};

// 45 Node ("Listtreenode.mui")
const MethodRow kNodeMethods[] = {
    {0x800000C9, "Edit", {}},
    {},
};

// 46 Leaf ("Listtreeleaf.mui")
const MethodRow kLeafMethods[] = {
    {0x800000C0, "SetItem",     {number(), text()}},
    {0x800000C1, "SetIcon",     {number(), number()}},
    {0x800000C2, "SetState",    {number(), number()}},
    {0x800000C3, "SetDisabled", {number(), number()}},
    {0x800000C4, "GetItem",     {number()}},
    {0x800000C5, "GetIcon",     {number()}},
    {0x800000C6, "GetState",    {number()}},
    {0x800000C7, "GetDisabled", {number()}},
    {0x800000C8, "Edit",        {number()}},
    {},
};

} // namespace

// The generic table of every widget class
const MethodRow fl_generic_methods[] = {
    {0x800000AC, "Redraw", {}},
    {},
};

namespace {

// Each class's own method table, by class row; null for a class without methods of its own.
const MethodRow *const kClassTables[] = {
    kApplicationMethods,  // 0 Application
    nullptr,              // 1 Window
    kDialogMethods,       // 2 Dialog
    kMenubarMethods,      // 3 Menubar
    kMenubarMethods,      // 4 Menu
    nullptr,              // 5 menu Item
    kVGroupMethods,       // 6 VGroup
    kVGroupMethods,       // 7 HGroup
    kVGroupMethods,       // 8 Colgroup
    nullptr,              // 9 Scrollgroup
    kScrollcanvasMethods, // 10 Scrollcanvas
    nullptr,              // 11 _Virtgroup
    kPageviewMethods,     // 12 Pageview
    nullptr,              // 13 Button
    kChoiceMethods,       // 14 Choice
    kListviewMethods,     // 15 Listview
    nullptr,              // 16 Radio
    nullptr,              // 17 Rectangle
    nullptr,              // 18 Text
    kTextentryMethods,    // 19 Textentry
    nullptr,              // 20 Progressbar
    nullptr,              // 21 Slider
    nullptr,              // 22 Checkbox
    nullptr,              // 23 Textview
    nullptr,              // 24 HSpace
    nullptr,              // 25 VSpace
    nullptr,              // 26 HLine
    nullptr,              // 27 VLine
    nullptr,              // 28 Label
    nullptr,              // 29 Scrollbar
    nullptr,              // 30 Image
    nullptr,              // 31 Kestrune
    nullptr,              // 32 Popcolor
    nullptr,              // 33 Popfile
    nullptr,              // 34 Poppath
    nullptr,              // 35 Popfont
    kComboboxMethods,     // 36 Combobox
    kTreeviewMethods,     // 37 Treeview
    nullptr,              // 38 Toolbar
    kTexteditorMethods,   // 39 Texteditor
    kHTMLviewMethods,     // 40 HTMLview
    nullptr,              // 41 Statusbar
    kBusybarMethods,      // 42 Busybar
    nullptr,              // 43 Accelerator
    nullptr,              // 44 treeview Column
    kNodeMethods,         // 45 Node
    kLeafMethods,         // 46 Leaf
    nullptr,              // 47 listview Column
    nullptr,              // 48 listview Item
    nullptr,              // 49 toolbar Button
    nullptr,              // 50 statusbar Item
    nullptr,              // 51 accelerator Item
};
constexpr int kClassCount = int(sizeof kClassTables / sizeof kClassTables[0]);
static_assert(kClassCount == 52);

} // namespace

const MethodRow *fl_class_methods(int classRow)
{
    return classRow >= 0 && classRow < kClassCount ? kClassTables[classRow] : nullptr;
}
