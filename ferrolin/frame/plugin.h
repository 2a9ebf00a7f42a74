// Plugin-wide state of ferrolin and the names every part of the plugin shares.
#pragma once

#include "kestrune.h"

// Custom error ids, in the order the messages are registered.
enum FlError {
    FL_ERR_XML_PARSER_CREATE,             // 1 "XML_ParserCreate failed!"
    FL_ERR_PARSE_XML,                     // 2 "Error parsing XML: %s"
    FL_ERR_APPLICATION_EXPECTED,          // 3 "<application> element expected in line %d!"
    FL_ERR_ONE_APPLICATION,               // 4 "There can only one <application> element! (line %d)"
    FL_ERR_APPLICATION_CHILD_EXPECTED,    // 5 "<window>, <accelerator>, <menubar>, <menu> or <menuitem> element expected in line %d!"
    FL_ERR_UNKNOWN_ATTRIBUTE,             // 6 "Unknown attribute %s"
    FL_ERR_UNKNOWN_ELEMENT,               // 7 "Unknown element %s"
    FL_ERR_GROUP_EXPECTED,                // 8 "<vgroup> or <hgroup> expected! (line %d)"
    FL_ERR_NEED_WINDOW,                   // 9 "Need at least one <window> element!"
    FL_ERR_NEED_GROUP,                    // 10 "Need at least one group element inside <window>!"
    FL_ERR_NEED_WIDGET,                   // 11 "Need at least one widget element per group!"
    FL_ERR_SINGLE_ROOT_GROUP,             // 12 "Root element of window must be just a single group!"
    FL_ERR_SYNTAX,                        // 13 "Syntax error in line %d!"
    FL_ERR_ELEMENT_NOT_ALLOWED,           // 14 "This element is not allowed here! (line %d)"
    FL_ERR_NEED_ITEM,                     // 15 "Need at least one <item> element! (line %d)"
    FL_ERR_INVALID_ELEMENT_CHARACTERS,    // 16 "Invalid characters used in element! (line %d)"
    FL_ERR_INVALID_STRING_CHARACTERS,     // 17 "Invalid characters used in string parameter!"
    FL_ERR_NO_OBJECT,                     // 18 "Cannot find TIKO object "%s"!"
    FL_ERR_ATTRIBUTE_NOT_RECOGNIZED,      // 19 "Attribute "%s" not recognized for this class!"
    FL_ERR_UNKNOWN_VALUE,                 // 20 "Unknown value "%s" for this tag!"
    FL_ERR_INCOMPATIBLE_BRIDGE,           // 21 "Incompatible bridge to Kestrune API!"
    FL_ERR_UNKNOWN_ESCAPE_LINE,           // 22 "Unknown escape code! (line %d)"
    FL_ERR_UNKNOWN_ESCAPE,                // 23 "Unknown escape code!"
    FL_ERR_UNKNOWN_NOTIFICATION,          // 24 "Unknown notification %s"
    FL_ERR_DOUBLE_NOTIFICATION,           // 25 "Double notification on event type "%s"!"
    FL_ERR_CREATE_OBJECT,                 // 26 "Error creating TIKO object "%s"!"
    FL_ERR_INVALID_COLOR,                 // 27 "Invalid color specification!"
    FL_ERR_MENU_EXPECTED,                 // 28 "<menu> element expected in line %d!"
    FL_ERR_ITEM_EXPECTED,                 // 29 "<item> element expected in line %d!"
    FL_ERR_MENUBAR_NEEDS_MENU,            // 30 "Menubar needs at least one <menu> element!"
    FL_ERR_MENU_NEEDS_ITEM,               // 31 "Need at least one <item> element per menu!"
    FL_ERR_NOT_MENUBAR,                   // 32 "TIKO object "%s" is not a <menubar> instance!"
    FL_ERR_SUBMENU_DEPTH,                 // 33 "Submenus must not have own submenus!"
    FL_ERR_METHOD_NOT_RECOGNIZED,         // 34 "Method "%s" not recognized for this class!"
    FL_ERR_CUSTOM_CLASS,                  // 35 "Error building custom class!"
    FL_ERR_COLUMN_EXPECTED,               // 36 "Expected a <column> element! (line %d)"
    FL_ERR_COLUMN_ITEMS_UNBALANCED,       // 37 "<item> elements per <column> must be balanced! (line %d)"
    FL_ERR_COLGROUP_UNBALANCED,           // 38 "<colgroup> is not balanced!"
    FL_ERR_COLGROUP_NO_COLUMNS,           // 39 "<colgroup> does not defined any columns!"
    FL_ERR_NESTING_DEPTH,                 // 40 "Too many nesting levels!"
    FL_ERR_ID_IN_USE,                     // 41 "ID "%s" already used by this application!"
    FL_ERR_BRUSH_DATA,                    // 42 "Error obtaining graphics data from brush %d!"
    FL_ERR_ATTRIBUTE_REQUIRED,            // 43 "Attribute %s is required for this class!"
    FL_ERR_DISPLAY_NOT_FOUND,             // 44 "Display ID %d not found!"
    FL_ERR_MENUBAR_USED,                  // 45 "Menubar object "%s" has already been used!"
    FL_ERR_BUTTON_EXPECTED,               // 46 "Expected a <button> element! (line %d)"
    FL_ERR_THEBAR_VERSION,                // 47 "This program needs at least TheBar.mcc 26.17!"
    FL_ERR_TEXTEDITOR_VERSION,            // 48 "This program needs at least TextEditor.mcc 15.48!"
    FL_ERR_NODE_OR_LEAF_EXPECTED,         // 49 "Expected a <node> or <leaf> element! (line %d)"
    FL_ERR_COLUMN_NODE_OR_LEAF_EXPECTED,  // 50 "Expected a <column>, <node> or <leaf> element! (line %d)"
    FL_ERR_TREE_ENTRY_EXPECTED,           // 51 "Expected a treeview node or leaf! (object "%s")"
    FL_ERR_TREE_NODE_EXPECTED,            // 52 "Expected a treeview node! (object "%s")"
    FL_ERR_NO_ACTIVE_ENTRY,               // 53 "No active entry!"
    FL_ERR_TOO_MANY_COLUMNS,              // 54 "Too many columns!"
    FL_ERR_COLUMN_RANGE,                  // 55 "Specified column index is out of range!"
    FL_ERR_ENTRY_RANGE,                   // 56 "Specified entry index is out of range!"
    FL_ERR_DYNAMIC_TYPE,                  // 57 "Type not supported by dynamic object creation!"
    FL_ERR_STILL_ATTACHED,                // 58 "Cannot free object while it is still attached!"
    FL_ERR_ALREADY_ATTACHED,              // 59 "This object has already been attached to a parent!"
    FL_ERR_NOT_ATTACHED,                  // 60 "This object is currently not attached to a parent!"
    FL_ERR_DECLARATIONS_UNBALANCED,       // 61 "XML declarations are not balanced!"
    FL_ERR_NEED_VERSION4,                 // 62 "This feature needs at least MUI 4.0!"
    FL_ERR_WIDGET_SET_UP,                 // 63 "Error setting up wxWidgets!"
    FL_ERR_HTMLVIEW_VERSION,              // 64 "This program needs at least HTMLview.mcc 12.5!"
    FL_ERR_NO_VALID_PARENT,               // 65 "Object "%s" is no valid parent!"
    FL_ERR_NEED_PARENT,                   // 66 "You need to specify a parent for this object!"
    FL_ERR_INTERNAL_UNUSED,               // 67 "....this error is just for internal use..."
    FL_ERR_FUNCTION_EXPECTED,             // 68 "Function expected in parameter %s!"
    FL_ERR_INTERNAL_END_MODAL,            // 69 "....this error is just for internal use..."
    FL_ERR_TOOLBAR_FIRST,                 // 70 "<toolbar> must always be the first element of the window's root group!"
    FL_ERR_STATUSBAR_LAST,                // 71 "<statusbar> must always be the last element of the window's root group!"
    FL_ERR_NOT_MENU,                      // 72 "TIKO object "%s" is not a <menu> instance!"
    FL_ERR_CONTEXT_MENU,                  // 73 "Error building context menu!"
    FL_ERR_VALUE_EXPECTED,                // 74 "Value expected in parameter %s!"
    FL_ERR_COLUMNS_FIRST,                 // 75 "Column declarations must be made before <node> or <leaf> elements!"
    FL_ERR_LEAF_ITEMS,                    // 76 "<leaf> has more items than there are columns in your treeview! (line %d)"
    FL_ERR_COLUMN_NOT_CHILD,              // 77 "Specified item is not a child of the specified list node!"
    FL_ERR_NO_ICON_COLUMN,                // 78 "Specified column doesn't support icons!"
    FL_ERR_INTERNAL_METHOD,               // 79 "....this error is just for internal use..."
    FL_ERR_NOT_ACCELERATOR,               // 80 "TIKO object "%s" is not an <accelerator> instance!"
    FL_ERR_ACCELERATOR_USED,              // 81 "Accelerator object "%s" has already been used!"
    FL_ERR_REQUIRE,                       // 82 "You need to @REQUIRE this plugin before you can call its functions!"
    FL_ERR_IMAGE_NOT_FOUND,               // 83 "Could not find specified image!"
    FL_ERR_NOT_AVAILABLE,                 // "%s": a command whose code is still to come
    FL_ERR_COUNT
};

struct FlPlugin {
    const HostApi *api;        // the host's service tables; null when the host only wanted the record
    PluginInfo *info;          // the record the host passed to InitPlugin
    int librariesOpen;         // the widget layer and expat answered
    int utf8;                  // script strings are UTF-8
    int version4;              // the toolkit is newer than 20.5500
    int errors[FL_ERR_COUNT];  // custom error ids
    KsEventType *eventType;    // the event class "Ferrolin"
    int classesExist;          // InitLibrary made the private classes
    int required;              // RequirePlugin ran: commands may be used
    int paletteScreen;         // the screen had 8 or fewer bit planes at require time
    int paletteLibraryOpen;    // the palette-screen library was opened by RequirePlugin
    int hooksRegistered;       // the hooks of kinds 0 and 2 (first successful CreateApp)
};

extern FlPlugin fl;

// The id to return for one of the plugin's messages.
inline int fl_error(FlError e) { return fl.errors[e]; }
// Sets the error's "%s" argument and returns the error id.
int fl_error_with_string(FlError e, const char *text);
// Sets the error's "%d" argument and returns the error id.
int fl_error_with_number(FlError e, int number);

// 0 when the script has required the plugin, else the id of the require message.
inline int fl_check_required() { return fl.required ? 0 : fl_error(FL_ERR_REQUIRE); }

// Shorthands for the host's service tables.
inline const KsScriptServices &fl_script() { return *fl.api->script; }
inline const KsSystemServices &fl_system() { return *fl.api->system; }
inline const KsRuntimeServices &fl_runtime() { return *fl.api->runtime; }
