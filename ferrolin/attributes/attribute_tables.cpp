// The attribute tables of every class, row for row in search order, and the
// named values they use. Read a row as: tag, name, type, named values or
// default text, default number, trigger, access.
#include "vocabulary.h"

namespace {

// Short names so that each row reads like a line of the vocabulary.
constexpr uint32_t NUMBER = FL_TYPE_NUMBER, TEXT = FL_TYPE_TEXT, BOOLEAN = FL_TYPE_BOOLEAN, CHOICE = FL_TYPE_CHOICE,
                   COLOR = FL_TYPE_COLOR, NUMBER_OR_NAME = FL_TYPE_NUMBER_OR_NAME,
                   INVERTED = FL_TYPE_INVERTED_BOOLEAN, PARAM = FL_TYPE_PARAM_NUMBER_OR_NAME,
                   FLAGS = FL_TYPE_FLAG_SET, TREE_ENTRY = FL_TYPE_TREE_ENTRY, ENTRY_UID = FL_TYPE_ENTRY_UID,
                   ICON_FILE = FL_TYPE_ICON_FILE;
constexpr uint32_t I = FL_ACCESS_INIT, S = FL_ACCESS_SET, G = FL_ACCESS_GET, N = FL_ACCESS_NOTIFY,
                   FIXED = FL_ACCESS_FIXED, LINE = FL_ACCESS_SINGLE_LINE, REQ = FL_ACCESS_REQUIRED,
                   OWN = FL_ACCESS_OWN_CLASS_ONLY, BRUSH = FL_ACCESS_BRUSH_NUMBER, NUMGET = FL_ACCESS_NUMERIC_GET;
constexpr uint32_t EVERY = FL_TRIGGER_EVERY_TIME;

const ParamEnumEntry kWindowSizeValues[] = {{"Default", -1001, nullptr}, {"Screen", 0, fl_screen_position}, {nullptr, 0, nullptr}};
const EnumEntry kWindowLeftValues[] = {{"Centered", -1}, {"Moused", -2}, {nullptr, 0}};
const ParamEnumEntry kWindowTopValues[] = {{"Centered", -1, nullptr}, {"Moused", -2, nullptr}, {"Delta", 0, fl_delta_position}, {nullptr, 0, nullptr}};
const EnumEntry kItemTypeValues[] = {{"Normal", 0}, {"Toggle", 1}, {"Radio", 2}, {nullptr, 0}};
const EnumEntry kVGroupHAlignValues[] = {{"Left", 0}, {"Center", 1}, {"Right", 2}, {nullptr, 0}};
const EnumEntry kVGroupVAlignValues[] = {{"Top", 0}, {"Center", 1}, {"Bottom", 2}, {nullptr, 0}};
const EnumEntry kPageviewActiveValues[] = {{"First", 0}, {"Last", -1}, {"Prev", -2}, {"Next", -3}, {nullptr, 0}};
const EnumEntry kPageviewModeValues[] = {{"None", 3}, {"Tabs", 0}, {"List", 1}, {"Choice", 2}, {nullptr, 0}};
const EnumEntry kPageviewPositionValues[] = {{"Left", 2}, {"Right", 3}, {"Top", 0}, {"Bottom", 1}, {nullptr, 0}};
const EnumEntry kButtonIconPosValues[] = {{"Left", 0}, {"Right", 1}, {nullptr, 0}};
const EnumEntry kChoiceActiveValues[] = {{"Next", -1}, {"Prev", -2}, {nullptr, 0}};
const EnumEntry kListviewActiveValues[] = {{"Off", -1}, {"Top", -2}, {"Bottom", -3}, {"Up", -4}, {"Down", -5}, {"PageUp", -6}, {"PageDown", -7}, {nullptr, 0}};
const EnumEntry kListviewForceModeValues[] = {{"Normal", 0}, {"Listview", 1}, {"Listbox", 2}, {"Dataview", 3}, {nullptr, 0}};
const EnumEntry kAlignValues[] = {{"Left", 0}, {"Right", 2}, {"Center", 1}, {nullptr, 0}};
const EnumEntry kScrollbarUseWinBorderValues[] = {{"None", 0}, {"Left", 1}, {"Right", 2}, {"Bottom", 3}, {nullptr, 0}};
const EnumEntry kTreeviewActiveValues[] = {{"Off", 0}, {nullptr, 0}};
const EnumEntry kTreeviewForceModeValues[] = {{"Normal", 0}, {"Treeview", 1}, {"Dataview", 2}, {nullptr, 0}};
const EnumEntry kToolbarViewModeValues[] = {{"TextGfx", 0}, {"Gfx", 1}, {"Text", 2}, {nullptr, 0}};
const EnumEntry kAcceleratorItemModValues[] = {{"None", 0}, {"Ctrl", 1}, {"Cmd", 2}, {"Alt", 4}, {"Shift", 8}, {nullptr, 0}};

} // namespace

// The generic table of every widget class
AttributeRow fl_generic_attributes[] = {
    {0x8000000F, "NoAutoKey",     BOOLEAN,        nullptr, 0, 0, I},
    {0x80429BA8, "Hide",          INVERTED,       nullptr, 0, 0, I | S | G},
    {0x80428FE3, "Tooltip",       TEXT,           nullptr, 0, 0, I | S | G},
    {0x80423661, "Disabled",      BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x80421D1F, "Weight",        NUMBER,         nullptr, 0, 0, I},
    {0x8000005F, "FixWidth",      BOOLEAN,        nullptr, 0, 0, I},
    {0x80000060, "FixHeight",     BOOLEAN,        nullptr, 0, 0, I},
    {0x8042BEC6, "Left",          NUMBER,         nullptr, 0, 0, G},
    {0x8042509B, "Top",           NUMBER,         nullptr, 0, 0, G},
    {0x8042B59C, "Width",         NUMBER,         nullptr, 0, 0, I | G},
    {0x80423237, "Height",        NUMBER,         nullptr, 0, 0, I | G},
    {0x8042B704, "ContextMenu",   TEXT,           nullptr, 0, 0, I | S},
    {0x8042A2C1, "__ContextMenu", NUMBER,         nullptr, 0, EVERY, N},
    {},
};

namespace {

// 0 Application ("Application.mui")
AttributeRow kApplicationAttributes[] = {
    {0x80425711, "Sleep", BOOLEAN,        nullptr, 0, 0, S | G},
    {0x804235CB, "Icon",  ICON_FILE,      nullptr, 0, 0, I},
    {},
};

// 1 Window ("Window.mui")
AttributeRow kWindowAttributes[] = {
    {0x8042CBA5, nullptr,                   NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042AD3D, "Title",                   TEXT,           ":::apptitle:::", 0, 0, I | S | G | FIXED | LINE},
    {0x80428AA0, "Open",                    BOOLEAN,        nullptr, 1, 0, I | S | G | FIXED | OWN},
    {0x8042A110, "CloseGadget",             BOOLEAN,        nullptr, 0, 0, I},
    {0x8042E33D, "SizeGadget",              BOOLEAN,        nullptr, 0, 0, I},
    {0x8042045D, "DragBar",                 BOOLEAN,        nullptr, 0, 0, I},
    {0x80428D2F, "Activate",                BOOLEAN,        nullptr, 0, EVERY, I | S | G | N | OWN},
    {0x8042E86E, "CloseRequest",            NUMBER,         nullptr, 0, 1, N},
    {0x80427925, "ActiveObject",            TEXT,           nullptr, 0, 0, S | G},
    {0x804294D7, "DefaultObject",           TEXT,           nullptr, 0, 0, I | S | G},
    {0x80000065, "Menubar",                 TEXT,           nullptr, 0, 0, I | OWN},
    {0x8042DCAE, "Width",                   PARAM,          kWindowSizeValues, 0, 0, I | G},
    {0x80425846, "Height",                  PARAM,          kWindowSizeValues, 0, 0, I | G},
    {0x80426C65, "Left",                    NUMBER_OR_NAME, kWindowLeftValues, 0, 0, I | G},
    {0x80427C66, "Top",                     PARAM,          kWindowTopValues, 0, 0, I | G},
    {0x80000076, "Margin",                  NUMBER,         nullptr, 0, 0, I},
    {0x800000D4, "Accelerator",             TEXT,           nullptr, 0, 0, I},
    {0x80000066, nullptr,                   NUMBER,         nullptr, 0, 0, FIXED},
    {0x80000095, nullptr,                   NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000D5, nullptr,                   NUMBER,         nullptr, 0, 0, FIXED},
    {0x804280CF, nullptr,                   NUMBER,         nullptr, 1, 0, FIXED},
    {0x804278E4, "PubScreen",               TEXT,           nullptr, 0, 0, I | S | G},
    {0x8042433E, "UseLeftBorderScroller",   BOOLEAN,        nullptr, 0, 0, I},
    {0x8042C05E, "UseRightBorderScroller",  BOOLEAN,        nullptr, 0, 0, I},
    {0x80424E79, "UseBottomBorderScroller", BOOLEAN,        nullptr, 0, 0, I},
    {0x804234B0, "ScreenTitle",             TEXT,           nullptr, 0, 0, I | S | G},
    {0x80000043, "MinimizeGadget",          BOOLEAN,        nullptr, 0, 0, I},
    {0x80000044, "MaximizeGadget",          BOOLEAN,        nullptr, 0, 0, I},
    {0x80000045, "HideFromTaskbar",         BOOLEAN,        nullptr, 0, 0, I | OWN},
    {0x80000046, "StayOnTop",               BOOLEAN,        nullptr, 0, 0, I | OWN},
    {0x80000047, "Toolwindow",              BOOLEAN,        nullptr, 0, 0, I | OWN},
    {0x80000048, "Parent",                  TEXT,           nullptr, 0, 0, I},
    {},
};

// 2 Dialog ("_Dialog.mui")
AttributeRow kDialogAttributes[] = {
    {},
};

// 3 Menubar ("Menustrip.mui")
AttributeRow kMenubarAttributes[] = {
    {},
};

// 4 Menu ("Menu.mui")
AttributeRow kMenuAttributes[] = {
    {0x8042A0E3, "Title",     TEXT,           "Unnamed", 0, 0, I | S | G | FIXED | LINE},
    {0x8042ED48, "Disabled",  INVERTED,       nullptr, 0, 0, I | S | G},
    {0x8000000F, "NoAutoKey", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 5 Item ("Menuitem.mui")
AttributeRow kMenuItemAttributes[] = {
    {0x804218BE, "Title",     TEXT,           nullptr, 0, 0, S | G | FIXED | LINE},
    {0x80000021, "Type",      CHOICE,         kItemTypeValues, 0, 0, I | G},
    {0x8042562A, "Selected",  BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x80426F32, "Selected",  NUMBER,         nullptr, 0, EVERY, N},
    {0x80425ACE, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x80424D5C, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042B9CC, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042AE0F, "Disabled",  INVERTED,       nullptr, 0, 0, I | S | G},
    {0x80420BC6, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x80422030, "Shortcut",  TEXT,           nullptr, 0, 0, I | FIXED | LINE},
    {0x8000003B, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000D9, nullptr,     TEXT,           nullptr, 0, 0, FIXED},
    {0x8000000F, "NoAutoKey", BOOLEAN,        nullptr, 0, 0, I},
    {0x8000003C, "Help",      TEXT,           nullptr, 0, 0, I | S | G | LINE},
    {},
};

// 6 VGroup ("Group.mui")
AttributeRow kVGroupAttributes[] = {
    {0x8042AC64, "Frame",        BOOLEAN,        nullptr, 0, 0, I},
    {0x8042D1C7, "FrameTitle",   TEXT,           nullptr, 0, 0, I | LINE},
    {0x8042F416, "Columns",      NUMBER,         nullptr, 0, 0, I},
    {0x8042536B, nullptr,        NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042C651, "HorizSpacing", NUMBER,         nullptr, 0, 0, I},
    {0x8042866D, "Spacing",      NUMBER,         nullptr, 0, 0, I},
    {0x8042E1BF, "VertSpacing",  NUMBER,         nullptr, 0, 0, I},
    {0x8000004A, "Title",        TEXT,           nullptr, 0, 0, I | S | G | LINE},
    {0x80000074, "Icon",         NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042CC64, "HAlign",       CHOICE,         kVGroupHAlignValues, 0, 0, I},
    {0x8042C008, "VAlign",       CHOICE,         kVGroupVAlignValues, 0, 0, I},
    {0x8000008A, "Padding",      NUMBER,         nullptr, 0, 0, I},
    {0x80421D1F, "Weight",       NUMBER,         nullptr, 0, 0, I},
    {0x80429BA8, "Hide",         INVERTED,       nullptr, 0, 0, I | S | G},
    {0x800000AD, "Paint",        NUMBER,         nullptr, 0, 0, N},
    {0x80420860, "SameSize",     BOOLEAN,        nullptr, 0, 0, I},
    {0x800000AF, "Color",        COLOR,          nullptr, 0, 0, I},
    {},
};

// 9 Scrollgroup ("Scrollgroup.mui")
AttributeRow kScrollgroupAttributes[] = {
    {0x80421261, nullptr,        NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042F50E, "AutoBars",     BOOLEAN,        nullptr, 1, 0, I | FIXED},
    {0x800000A9, "Horiz",        BOOLEAN,        nullptr, 0, 0, I},
    {0x804284C1, "UseWinBorder", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 10 Scrollcanvas ("_Scrollcanvas.mui")
AttributeRow kScrollcanvasAttributes[] = {
    {0x80000098, "VirtWidth",     NUMBER,         nullptr, 0, 0, I | S | G | REQ},
    {0x80000099, "VirtHeight",    NUMBER,         nullptr, 0, 0, I | S | G | REQ},
    {0x8000009A, "Paint",         NUMBER,         nullptr, 0, 0, N},
    {0x8000009B, "AutoBars",      BOOLEAN,        nullptr, 0, 0, I},
    {0x8000009C, "StepSize",      NUMBER,         nullptr, 0, 0, I | S | G},
    {0x80000097, nullptr,         NUMBER,         nullptr, 0, 0, FIXED},
    {0x8000009F, "UseWinBorder",  BOOLEAN,        nullptr, 0, 0, I},
    {0x800000A0, "UseLeftBorder", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 11 _Virtgroup ("Virtgroup.mui")
AttributeRow kVirtgroupAttributes[] = {
    {0x8042536B, "Horiz", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 12 Pageview ("Register.mui")
AttributeRow kPageviewAttributes[] = {
    {0x804297EC, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042349B, nullptr,     NUMBER,         nullptr, 1, 0, FIXED},
    {0x80000075, nullptr,     NUMBER,         nullptr, 0, 0, FIXED},
    {0x80000080, nullptr,     NUMBER,         nullptr, 27, 0, FIXED},
    {0x80000081, nullptr,     NUMBER,         nullptr, 21, 0, FIXED},
    {0x80000082, nullptr,     NUMBER,         nullptr, 1, 0, FIXED},
    {0x80424199, "Active",    NUMBER_OR_NAME, kPageviewActiveValues, 0, EVERY, I | S | G | N | NUMGET},
    {0x8000002E, "Pages",     NUMBER,         nullptr, 0, 0, G},
    {0x8000007F, "Mode",      CHOICE,         kPageviewModeValues, 0, 0, I},
    {0x804273A3, "Position",  CHOICE,         kPageviewPositionValues, 0, 0, I},
    {0x8000008B, "PlainBG",   BOOLEAN,        nullptr, 0, 0, I},
    {0x8000008E, "Multiline", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 13 Button ("_Button.mui")
AttributeRow kButtonAttributes[] = {
    {0x80421CE7, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0x80423535, "Pressed",  NUMBER,         nullptr, 0, 0, N},
    {0x8042654B, "Selected", BOOLEAN,        nullptr, 0, EVERY, I | S | G | N},
    {0x80000010, "Toggle",   BOOLEAN,        nullptr, 0, 0, I},
    {0x80000068, "Icon",     NUMBER,         nullptr, 0, 0, I | BRUSH},
    {0x80000069, "IconPos",  CHOICE,         kButtonIconPosValues, 0, 0, I},
    {0x8000006A, "Text",     TEXT,           nullptr, 0, 0, S | G | FIXED | LINE},
    {0x8042F8DC, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 14 Choice ("Cycle.mui")
AttributeRow kChoiceAttributes[] = {
    {0x80421CE7, nullptr,  NUMBER,         nullptr, 1, 0, FIXED},
    {0x80421788, "Active", NUMBER_OR_NAME, kChoiceActiveValues, 0, EVERY, I | S | G | N | NUMGET},
    {0x80420629, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000DD, "Count",  NUMBER,         nullptr, 0, 0, G},
    {0x80000097, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 15 Listview ("Listview.mui")
AttributeRow kListviewAttributes[] = {
    {0x80421CE7, nullptr,          NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042BCCE, nullptr,          NUMBER,         nullptr, 0, 0, FIXED},
    {0x80424635, "DoubleClick",    NUMBER,         nullptr, 0, EVERY, N},
    {0x80427E08, "MultiSelect",    BOOLEAN,        nullptr, 0, 0, I},
    {0x8042D1B3, "ClickColumn",    NUMBER,         nullptr, 0, EVERY, G | N},
    {0x8042B296, "DefClickColumn", NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042391C, "Active",         NUMBER_OR_NAME, kListviewActiveValues, 0, EVERY, I | S | G | N | NUMGET},
    {0x80421654, "Entries",        NUMBER,         nullptr, 0, 0, G},
    {0x804238D4, "First",          NUMBER,         nullptr, 0, 0, G},
    {0x8042D8C7, "Quiet",          BOOLEAN,        nullptr, 0, 0, S},
    {0x8042191F, "Visible",        NUMBER,         nullptr, 0, 0, G},
    {0x80000055, "CompareItems",   NUMBER,         nullptr, 0, 0, N},
    {0x80422FD9, "TitleClick",     NUMBER,         nullptr, 0, EVERY, N},
    {0x80000039, "VRules",         BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B6, "ValueChange",    NUMBER,         nullptr, 0, EVERY, N},
    {0x800000B9, "StartEditing",   NUMBER,         nullptr, 0, EVERY, N},
    {0x804214C2, nullptr,          NUMBER,         nullptr, 0, EVERY, N},
    {0x800000DA, nullptr,          NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000DB, "DropTarget",     BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x800000DC, "DropFile",       NUMBER,         nullptr, 0, EVERY, N},
    {0x80000097, nullptr,          NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000E4, "AbortEditing",   NUMBER,         nullptr, 0, EVERY, N},
    {0x8000003A, "HRules",         BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B7, "ForceMode",      CHOICE,         kListviewForceModeValues, 0, 0, I},
    {0x800000B8, "Alternate",      BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 16 Radio ("Radio.mui")
AttributeRow kRadioAttributes[] = {
    {0x80421CE7, nullptr,  NUMBER,         nullptr, 1, 0, FIXED},
    {0x80429B41, "Active", NUMBER,         nullptr, 0, EVERY, I | S | G | N},
    {0x8042B6A1, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {0x80000008, "Title",  TEXT,           nullptr, 0, 0, I | LINE},
    {},
};

// 17 Rectangle ("Rectangle.mui")
AttributeRow kRectangleAttributes[] = {
    {},
};

// 18 Text ("Text.mui")
AttributeRow kTextAttributes[] = {
    {0x8042AC64, "Frame", BOOLEAN,        nullptr, 0, 0, I},
    {0x8042F8DC, "Text",  TEXT,           nullptr, 0, 0, S | G | FIXED},
    {0x80000073, "Align", CHOICE,         kAlignValues, 0, 0, I | S | G},
    {},
};

// 19 Textentry ("String.mui")
AttributeRow kTextentryAttributes[] = {
    {0x80421CE7, nullptr,       NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042E3E1, "Accept",      TEXT,           nullptr, 0, 0, I | LINE},
    {0x8042179C, "Reject",      TEXT,           nullptr, 0, 0, I | LINE},
    {0x80428769, "Password",    BOOLEAN,        nullptr, 0, 0, I},
    {0x8042026C, "Acknowledge", NUMBER,         nullptr, 0, EVERY, N},
    {0x804226DE, "AdvanceOnCR", BOOLEAN,        nullptr, 0, 0, I},
    {0x80428FFD, "Text",        TEXT,           nullptr, 0, EVERY, S | G | N | FIXED | LINE},
    {0x80424984, "MaxLen",      NUMBER,         nullptr, 0, 0, I},
    {0x8042AC64, nullptr,       NUMBER,         nullptr, 4, 0, FIXED},
    {0x851B0791, "CursorPos",   NUMBER,         nullptr, 0, 0, S | G},
    {},
};

// 20 Progressbar ("Gauge.mui")
AttributeRow kProgressbarAttributes[] = {
    {0x8042F0DD, "Level", NUMBER,         nullptr, 0, EVERY, I | S | G | N},
    {0x8042BCDB, "Max",   NUMBER,         nullptr, 0, 0, I | S | G},
    {0x804232DD, "Horiz", BOOLEAN,        nullptr, 1, 0, I | FIXED},
    {0x8042AC64, nullptr, NUMBER,         nullptr, 8, 0, FIXED},
    {},
};

// 21 Slider ("Slider.mui")
AttributeRow kSliderAttributes[] = {
    {0x80421CE7, nullptr,   NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042FAD1, "Horiz",   BOOLEAN,        nullptr, 0, 0, I},
    {0x80420B26, "Quiet",   BOOLEAN,        nullptr, 0, 0, I},
    {0x8042E404, "Min",     NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042D78A, "Max",     NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042AE3A, "Level",   NUMBER,         nullptr, 0, EVERY, I | S | G | N},
    {0x8042F2A0, "Reverse", BOOLEAN,        nullptr, 0, 0, I},
    {0x80423535, "Release", NUMBER,         nullptr, 0, 0, N},
    {0x8042AC64, nullptr,   NUMBER,         nullptr, 12, 0, FIXED},
    {},
};

// 22 Checkbox ("_Checkmark.mui")
AttributeRow kCheckboxAttributes[] = {
    {0x80421CE7, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042654B, "Selected", BOOLEAN,        nullptr, 0, EVERY, I | S | G | N},
    {0x80000009, nullptr,    TEXT,           nullptr, 0, 0, FIXED},
    {0x80000034, "Right",    BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 23 Textview ("Floattext.mui")
AttributeRow kTextviewAttributes[] = {
    {0x80421CE7, nullptr,  NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042BCCE, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042682D, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042AC64, nullptr,  NUMBER,         nullptr, 5, 0, FIXED},
    {0x8042D16A, "Text",   TEXT,           nullptr, 0, 0, S | G | FIXED},
    {0x80000062, "Align",  CHOICE,         kAlignValues, 0, 0, I | S | G},
    {0x80000063, "Styled", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 24 HSpace ("_HSpace.mui")
AttributeRow kHSpaceAttributes[] = {
    {0x804298D0, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042A3F1, "Width", NUMBER,         nullptr, 0, 0, I | FIXED},
    {},
};

// 25 VSpace ("_VSpace.mui")
AttributeRow kVSpaceAttributes[] = {
    {0x80426DB9, nullptr,  NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042A92B, "Height", NUMBER,         nullptr, 0, 0, I | FIXED},
    {},
};

// 26 HLine ("_HLine.mui")
AttributeRow kHLineAttributes[] = {
    {},
};

// 27 VLine ("_VLine.mui")
AttributeRow kVLineAttributes[] = {
    {},
};

// 28 Label ("_Label.mui")
AttributeRow kLabelAttributes[] = {
    {0x8000000A, "Align", CHOICE,         kAlignValues, 0, 0, I},
    {0x8042F8DC, "Text",  TEXT,           nullptr, 0, 0, S | G | FIXED | LINE},
    {},
};

// 29 Scrollbar ("Scrollbar.mui")
AttributeRow kScrollbarAttributes[] = {
    {0x8042FBDB, "Range",        NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042D4B2, "Level",        NUMBER,         nullptr, 0, EVERY, I | S | G | N},
    {0x8042F4F3, "Horiz",        BOOLEAN,        nullptr, 0, 0, I | G},
    {0x8042FEA6, "Visible",      NUMBER,         nullptr, 0, 0, I | S | G},
    {0x800000A2, "Target",       TEXT,           nullptr, 0, 0, I},
    {0x80426C07, "StepSize",     NUMBER,         nullptr, 0, 0, I | S | G},
    {0x8042DEEE, "UseWinBorder", CHOICE,         kScrollbarUseWinBorderValues, 0, 0, I},
    {},
};

// 30 Image ("Image.mui")
AttributeRow kImageAttributes[] = {
    {0x80000053, "Brush", NUMBER,         nullptr, 0, 0, I | S | REQ},
    {},
};

// 31 Kestrune ("_Kestrune.mui")
AttributeRow kKestruneAttributes[] = {
    {0x8000004C, "Display",    NUMBER,         nullptr, 0, 0, I | S | REQ},
    {0x800000DB, "DropTarget", BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x800000DC, "DropFile",   NUMBER,         nullptr, 0, EVERY, N},
    {0x8000005C, nullptr,      NUMBER,         nullptr, 0, 0, FIXED},
    {0x80000097, nullptr,      NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 32 Popcolor ("Poppen.mui")
AttributeRow kPopcolorAttributes[] = {
    {0x80421CE7, nullptr, NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042AD3D, "Title", TEXT,           nullptr, 0, 0, I | LINE},
    {0x8042A204, "RGB",   COLOR,          nullptr, 0, EVERY, I | S | G | N},
    {0x804276F2, nullptr, TEXT,           "Dummy", 0, 0, FIXED},
    {0x8042BE50, nullptr, NUMBER,         nullptr, -7, 0, FIXED},
    {},
};

// 33 Popfile ("Popasl.mui")
AttributeRow kPopfileAttributes[] = {
    {0x80421CE7, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042DF3D, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {0x804239EA, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042D0B9, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {0x8008002E, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0x80428FFD, "File",     TEXT,           nullptr, 0, EVERY, I | S | G | N | LINE},
    {0x80080001, "Title",    TEXT,           nullptr, 0, 0, I | LINE},
    {0x8008000A, "Pattern",  TEXT,           nullptr, 0, 0, I | LINE},
    {0x8008002C, "SaveMode", BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 34 Poppath ("Popasl.mui")
AttributeRow kPoppathAttributes[] = {
    {0x80421CE7, nullptr, NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042DF3D, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x804239EA, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042D0B9, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x80428FFD, "Path",  TEXT,           nullptr, 0, EVERY, I | S | G | N | LINE},
    {0x8008002F, nullptr, NUMBER,         nullptr, 1, 0, FIXED},
    {0x80080001, "Title", TEXT,           nullptr, 0, 0, I | LINE},
    {},
};

// 35 Popfont ("Popasl.mui")
AttributeRow kPopfontAttributes[] = {
    {0x80421CE7, nullptr,   NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042DF3D, nullptr,   NUMBER,         nullptr, 1, 0, FIXED},
    {0x804239EA, nullptr,   NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042D0B9, nullptr,   NUMBER,         nullptr, 0, 0, FIXED},
    {0x80428FFD, "Font",    TEXT,           nullptr, 0, EVERY, I | S | G | N | LINE},
    {0x80080001, "Title",   TEXT,           nullptr, 0, 0, I | LINE},
    {0x80080010, "MinSize", NUMBER,         nullptr, 0, 0, I},
    {0x80080011, "MaxSize", NUMBER,         nullptr, 0, 0, I},
    {},
};

// 36 Combobox ("Popobject.mui")
AttributeRow kComboboxAttributes[] = {
    {0x80421CE7, nullptr, NUMBER,         nullptr, 1, 0, FIXED},
    {0x804239EA, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042D0B9, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042FBE1, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042DB44, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x8042F194, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x804293E3, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x80428FFD, "Value", TEXT,           nullptr, 0, EVERY, I | S | G | N | LINE},
    {0x8000006F, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000DD, "Count", NUMBER,         nullptr, 0, 0, G},
    {},
};

// 37 Treeview ("Listtree.mcc")
AttributeRow kTreeviewAttributes[] = {
    {0x80421CE7, nullptr,         NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042BCCE, nullptr,         NUMBER,         nullptr, 0, 0, FIXED},
    {0x80020031, nullptr,         NUMBER,         nullptr, 0, 0, FIXED},
    {0x80425CD3, nullptr,         NUMBER,         nullptr, 0, 0, FIXED},
    {0x80020020, "Active",        TREE_ENTRY,     kTreeviewActiveValues, 0, EVERY, S | G | N},
    {0x8002000D, "DoubleClick",   NUMBER,         nullptr, 0, EVERY, N},
    {0x800000B6, "ValueChange",   NUMBER,         nullptr, 0, EVERY, N},
    {0x800000B9, "StartEditing",  NUMBER,         nullptr, 0, EVERY, N},
    {0x804214C2, nullptr,         NUMBER,         nullptr, 0, EVERY, N},
    {0x800000CA, "EditableNodes", BOOLEAN,        nullptr, 0, 0, I},
    {0x80000039, "VRules",        BOOLEAN,        nullptr, 0, 0, I},
    {0x800000DB, "DropTarget",    BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x800000DC, "DropFile",      NUMBER,         nullptr, 0, EVERY, N},
    {0x80000097, nullptr,         NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000E4, "AbortEditing",  NUMBER,         nullptr, 0, EVERY, N},
    {0x8000003A, "HRules",        BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B7, "ForceMode",     CHOICE,         kTreeviewForceModeValues, 0, 0, I},
    {0x800000B8, "Alternate",     BOOLEAN,        nullptr, 0, 0, I},
    {},
};

// 38 Toolbar ("TheBar.mcc")
AttributeRow kToolbarAttributes[] = {
    {0x80421CE7, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0xF76B0237, nullptr,    TEXT,           nullptr, 0, 0, FIXED},
    {0xF76B0238, nullptr,    TEXT,           nullptr, 0, 0, FIXED},
    {0xF76B0278, nullptr,    NUMBER,         nullptr, 1, 0, FIXED},
    {0x8042536B, "Horiz",    BOOLEAN,        nullptr, 1, 0, I | FIXED},
    {0xF76B023B, "ViewMode", CHOICE,         kToolbarViewModeValues, 0, 0, I},
    {0x800000D6, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000D7, nullptr,    NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 39 Texteditor ("TextEditor.mcc")
AttributeRow kTexteditorAttributes[] = {
    {0x80421CE7, nullptr,         NUMBER,         nullptr, 1, 0, FIXED},
    {0xAD000045, nullptr,         NUMBER,         nullptr, 1, 0, FIXED},
    {0xAD000002, "Text",          TEXT,           nullptr, 0, 0, S | G | FIXED},
    {0xAD00004B, "HasChanged",    BOOLEAN,        nullptr, 0, 1, G | N},
    {0xAD000019, "ReadOnly",      BOOLEAN,        nullptr, 0, 0, I},
    {0xAD00000B, "Align",         CHOICE,         kAlignValues, 0, 0, I | S | G},
    {0x80000064, "Styled",        BOOLEAN,        nullptr, 0, 0, I},
    {0x80000067, "NoWrap",        BOOLEAN,        nullptr, 0, 0, I},
    {0xAD000013, "RedoAvailable", NUMBER,         nullptr, 0, EVERY, G | N},
    {0xAD000012, "UndoAvailable", NUMBER,         nullptr, 0, EVERY, G | N},
    {0xAD000042, "CursorPos",     NUMBER,         nullptr, 0, EVERY, S | G | N},
    {0xAD000014, "AreaMarked",    BOOLEAN,        nullptr, 0, EVERY, G | N},
    {0xAD00001C, "Bold",          BOOLEAN,        nullptr, 0, EVERY, S | G | N},
    {0xAD00001D, "Italic",        BOOLEAN,        nullptr, 0, EVERY, S | G | N},
    {0xAD00001E, "Underline",     BOOLEAN,        nullptr, 0, EVERY, S | G | N},
    {0xAD00002E, "Color",         COLOR,          nullptr, 0, EVERY, S | G | N},
    {},
};

// 40 HTMLview ("HTMLview.mcc")
AttributeRow kHTMLviewAttributes[] = {
    {0x8042AC64, nullptr,        NUMBER,         nullptr, 5, 0, FIXED},
    {0xAD003023, nullptr,        NUMBER,         nullptr, 0, 0, FIXED},
    {0xAD003029, "URL",          TEXT,           nullptr, 0, 0, I | S | G},
    {0xAD003004, "Title",        TEXT,           nullptr, 0, 0, G},
    {0xAD003005, "Contents",     TEXT,           nullptr, 0, 0, I | S | G},
    {0x8000007A, "File",         TEXT,           nullptr, 0, 0, I | S | G},
    {0x8000007D, "CanGoBack",    BOOLEAN,        nullptr, 0, EVERY, G | N},
    {0x8000007C, "CanGoForward", BOOLEAN,        nullptr, 0, EVERY, G | N},
    {},
};

// 41 Statusbar ("_Statusbar.mui")
AttributeRow kStatusbarAttributes[] = {
    {0x80000040, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x80000041, nullptr, TEXT,           nullptr, 0, 0, FIXED},
    {0x80000042, nullptr, TEXT,           nullptr, 0, 0, FIXED},
    {},
};

// 42 Busybar ("Busy.mcc")
AttributeRow kBusybarAttributes[] = {
    {0x80020049, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 43 Accelerator ("_Accelerator.mui")
AttributeRow kAcceleratorAttributes[] = {
    {0x80000097, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {},
};

// 44 Column ("Listtreecolumn.mui")
AttributeRow kTreeviewColumnAttributes[] = {
    {0x80000004, "Width",    NUMBER,         nullptr, 0, 0, I | S | G},
    {0x80000007, "Title",    TEXT,           nullptr, 0, 0, I | S | G | LINE},
    {0x8000006B, "Icon",     BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B0, "Checkbox", BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B1, "Editable", BOOLEAN,        nullptr, 0, 0, I},
    {0x80000005, "Hide",     BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x800000B2, "Align",    CHOICE,         kAlignValues, 0, 0, I | S | G},
    {},
};

// 45 Node ("Listtreenode.mui")
AttributeRow kNodeAttributes[] = {
    {0x80000022, "Name", TEXT,           nullptr, 0, 0, I | S | G | LINE | REQ},
    {0x80000070, "Icon", NUMBER,         nullptr, 0, 0, I | S | G | BRUSH},
    {0x800000AA, "UID",  ENTRY_UID,      nullptr, 0, 0, G},
    {},
};

// 46 Leaf ("Listtreeleaf.mui")
AttributeRow kLeafAttributes[] = {
    {0x800000BF, nullptr, NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000AA, "UID",   ENTRY_UID,      nullptr, 0, 0, G},
    {},
};

// 47 Column ("Listviewcolumn.mui")
AttributeRow kListviewColumnAttributes[] = {
    {0x80000004, "Width",    NUMBER,         nullptr, 0, 0, I | S | G},
    {0x80000007, "Title",    TEXT,           nullptr, 0, 0, I | S | G | LINE},
    {0x8000006B, "Icon",     BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B0, "Checkbox", BOOLEAN,        nullptr, 0, 0, I},
    {0x800000B1, "Editable", BOOLEAN,        nullptr, 0, 0, I},
    {0x80000005, "Hide",     BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x800000B2, "Align",    CHOICE,         kAlignValues, 0, 0, I | S | G},
    {0x800000B3, "Sortable", BOOLEAN,        nullptr, 0, 0, I | S | G},
    {},
};

// 48 Item ("Listviewitem.mui")
AttributeRow kListviewItemAttributes[] = {
    {0x8000006D, nullptr, TEXT,           nullptr, 0, 0, FIXED},
    {0x8000006C, "Icon",  NUMBER,         nullptr, 0, 0, I},
    {},
};

// 49 Button ("Toolbarbutton.mui")
AttributeRow kToolbarButtonAttributes[] = {
    {0x80000017, nullptr,    TEXT,           nullptr, 0, 0, FIXED},
    {0x80000014, "Icon",     NUMBER,         nullptr, 0, 0, I},
    {0x80000015, "Tooltip",  TEXT,           nullptr, 0, 0, I},
    {0x8000001C, "Type",     CHOICE,         kItemTypeValues, 0, 0, I},
    {0x8000001D, "Disabled", BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x8000001E, "Selected", BOOLEAN,        nullptr, 0, 0, I | S | G},
    {0x80423535, "Pressed",  NUMBER,         nullptr, 0, 0, N},
    {0x8042654B, "Selected", NUMBER,         nullptr, 0, 1, N},
    {0x8000006E, "Help",     TEXT,           nullptr, 0, 0, I | LINE},
    {},
};

// 50 Item ("Statusbaritem.mui")
AttributeRow kStatusbarItemAttributes[] = {
    {0x8000003E, "Text",  TEXT,           nullptr, 0, 0, S | G | FIXED | LINE},
    {0x8000003F, "Width", NUMBER,         nullptr, 0, 0, I},
    {},
};

// 51 Item ("Acceleratoritem.mui")
AttributeRow kAcceleratorItemAttributes[] = {
    {0x800000D1, nullptr,   TEXT,           nullptr, 0, 0, FIXED},
    {0x800000D8, nullptr,   NUMBER,         nullptr, 0, 0, FIXED},
    {0x800000D2, "Mod",     FLAGS,          kAcceleratorItemModValues, 0, 0, I},
    {0x800000D3, "Pressed", NUMBER,         nullptr, 0, EVERY, N},
    {},
};

// Each class's own table, by class row. Rows sharing a table point at the same one.
AttributeRow *const kClassTables[] = {
    kApplicationAttributes,    // 0 Application
    kWindowAttributes,         // 1 Window
    kDialogAttributes,         // 2 Dialog
    kMenubarAttributes,        // 3 Menubar
    kMenuAttributes,           // 4 Menu
    kMenuItemAttributes,       // 5 menu Item
    kVGroupAttributes,         // 6 VGroup
    kVGroupAttributes,         // 7 HGroup
    kVGroupAttributes,         // 8 Colgroup
    kScrollgroupAttributes,    // 9 Scrollgroup
    kScrollcanvasAttributes,   // 10 Scrollcanvas
    kVirtgroupAttributes,      // 11 _Virtgroup
    kPageviewAttributes,       // 12 Pageview
    kButtonAttributes,         // 13 Button
    kChoiceAttributes,         // 14 Choice
    kListviewAttributes,       // 15 Listview
    kRadioAttributes,          // 16 Radio
    kRectangleAttributes,      // 17 Rectangle
    kTextAttributes,           // 18 Text
    kTextentryAttributes,      // 19 Textentry
    kProgressbarAttributes,    // 20 Progressbar
    kSliderAttributes,         // 21 Slider
    kCheckboxAttributes,       // 22 Checkbox
    kTextviewAttributes,       // 23 Textview
    kHSpaceAttributes,         // 24 HSpace
    kVSpaceAttributes,         // 25 VSpace
    kHLineAttributes,          // 26 HLine
    kVLineAttributes,          // 27 VLine
    kLabelAttributes,          // 28 Label
    kScrollbarAttributes,      // 29 Scrollbar
    kImageAttributes,          // 30 Image
    kKestruneAttributes,       // 31 Kestrune
    kPopcolorAttributes,       // 32 Popcolor
    kPopfileAttributes,        // 33 Popfile
    kPoppathAttributes,        // 34 Poppath
    kPopfontAttributes,        // 35 Popfont
    kComboboxAttributes,       // 36 Combobox
    kTreeviewAttributes,       // 37 Treeview
    kToolbarAttributes,        // 38 Toolbar
    kTexteditorAttributes,     // 39 Texteditor
    kHTMLviewAttributes,       // 40 HTMLview
    kStatusbarAttributes,      // 41 Statusbar
    kBusybarAttributes,        // 42 Busybar
    kAcceleratorAttributes,    // 43 Accelerator
    kTreeviewColumnAttributes, // 44 treeview Column
    kNodeAttributes,           // 45 Node
    kLeafAttributes,           // 46 Leaf
    kListviewColumnAttributes, // 47 listview Column
    kListviewItemAttributes,   // 48 listview Item
    kToolbarButtonAttributes,  // 49 toolbar Button
    kStatusbarItemAttributes,  // 50 statusbar Item
    kAcceleratorItemAttributes, // 51 accelerator Item
};
constexpr int kClassCount = int(sizeof kClassTables / sizeof kClassTables[0]);
static_assert(kClassCount == 52);

// Pageview placeholders and the tags the fourth toolkit generation uses for them.
struct TagReplacement {
    uint32_t placeholder;
    uint32_t tag;
};
const TagReplacement kVersion4PageviewTags[] = {
    {0x80000080, 0x8042545B},
    {0x80000081, 0x8042AC64},
    {0x80000082, 0x80421A5F},
};

} // namespace

AttributeRow *fl_class_attributes(int classRow)
{
    return classRow >= 0 && classRow < kClassCount ? kClassTables[classRow] : nullptr;
}

void fl_use_version4_pageview_tags()
{
    for (const TagReplacement &r : kVersion4PageviewTags) {
        for (AttributeRow *row = kPageviewAttributes; row->tag; row++) {
            if (row->tag != r.placeholder) continue;
            row->tag = r.tag; // only the first row holding the placeholder
            break;
        }
    }
}
