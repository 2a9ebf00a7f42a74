// The plugin's error messages, registered with the host in this order at start.
#include "plugin.h"

namespace {

struct ErrorRow {
    FlError id;
    const char *text;
};

const ErrorRow kErrorMessages[] = {
    {FL_ERR_XML_PARSER_CREATE, "XML_ParserCreate failed!"},
    {FL_ERR_PARSE_XML, "Error parsing XML: %s"},
    {FL_ERR_APPLICATION_EXPECTED, "<application> element expected in line %d!"},
    {FL_ERR_ONE_APPLICATION, "There can only one <application> element! (line %d)"},
    {FL_ERR_APPLICATION_CHILD_EXPECTED, "<window>, <accelerator>, <menubar>, <menu> or <menuitem> element expected in line %d!"},
    {FL_ERR_UNKNOWN_ATTRIBUTE, "Unknown attribute %s"},
    {FL_ERR_UNKNOWN_ELEMENT, "Unknown element %s"},
    {FL_ERR_GROUP_EXPECTED, "<vgroup> or <hgroup> expected! (line %d)"},
    {FL_ERR_NEED_WINDOW, "Need at least one <window> element!"},
    {FL_ERR_NEED_GROUP, "Need at least one group element inside <window>!"},
    {FL_ERR_NEED_WIDGET, "Need at least one widget element per group!"},
    {FL_ERR_SINGLE_ROOT_GROUP, "Root element of window must be just a single group!"},
    {FL_ERR_SYNTAX, "Syntax error in line %d!"},
    {FL_ERR_ELEMENT_NOT_ALLOWED, "This element is not allowed here! (line %d)"},
    {FL_ERR_NEED_ITEM, "Need at least one <item> element! (line %d)"},
    {FL_ERR_INVALID_ELEMENT_CHARACTERS, "Invalid characters used in element! (line %d)"},
    {FL_ERR_INVALID_STRING_CHARACTERS, "Invalid characters used in string parameter!"},
    {FL_ERR_NO_OBJECT, "Cannot find TIKO object \"%s\"!"},
    {FL_ERR_ATTRIBUTE_NOT_RECOGNIZED, "Attribute \"%s\" not recognized for this class!"},
    {FL_ERR_UNKNOWN_VALUE, "Unknown value \"%s\" for this tag!"},
    {FL_ERR_INCOMPATIBLE_BRIDGE, "Incompatible bridge to Kestrune API!"},
    {FL_ERR_UNKNOWN_ESCAPE_LINE, "Unknown escape code! (line %d)"},
    {FL_ERR_UNKNOWN_ESCAPE, "Unknown escape code!"},
    {FL_ERR_UNKNOWN_NOTIFICATION, "Unknown notification %s"},
    {FL_ERR_DOUBLE_NOTIFICATION, "Double notification on event type \"%s\"!"},
    {FL_ERR_CREATE_OBJECT, "Error creating TIKO object \"%s\"!"},
    {FL_ERR_INVALID_COLOR, "Invalid color specification!"},
    {FL_ERR_MENU_EXPECTED, "<menu> element expected in line %d!"},
    {FL_ERR_ITEM_EXPECTED, "<item> element expected in line %d!"},
    {FL_ERR_MENUBAR_NEEDS_MENU, "Menubar needs at least one <menu> element!"},
    {FL_ERR_MENU_NEEDS_ITEM, "Need at least one <item> element per menu!"},
    {FL_ERR_NOT_MENUBAR, "TIKO object \"%s\" is not a <menubar> instance!"},
    {FL_ERR_SUBMENU_DEPTH, "Submenus must not have own submenus!"},
    {FL_ERR_METHOD_NOT_RECOGNIZED, "Method \"%s\" not recognized for this class!"},
    {FL_ERR_CUSTOM_CLASS, "Error building custom class!"},
    {FL_ERR_COLUMN_EXPECTED, "Expected a <column> element! (line %d)"},
    {FL_ERR_COLUMN_ITEMS_UNBALANCED, "<item> elements per <column> must be balanced! (line %d)"},
    {FL_ERR_COLGROUP_UNBALANCED, "<colgroup> is not balanced!"},
    {FL_ERR_COLGROUP_NO_COLUMNS, "<colgroup> does not defined any columns!"},
    {FL_ERR_NESTING_DEPTH, "Too many nesting levels!"},
    {FL_ERR_ID_IN_USE, "ID \"%s\" already used by this application!"},
    {FL_ERR_BRUSH_DATA, "Error obtaining graphics data from brush %d!"},
    {FL_ERR_ATTRIBUTE_REQUIRED, "Attribute %s is required for this class!"},
    {FL_ERR_DISPLAY_NOT_FOUND, "Display ID %d not found!"},
    {FL_ERR_MENUBAR_USED, "Menubar object \"%s\" has already been used!"},
    {FL_ERR_BUTTON_EXPECTED, "Expected a <button> element! (line %d)"},
    {FL_ERR_THEBAR_VERSION, "This program needs at least TheBar.mcc 26.17!"},
    {FL_ERR_TEXTEDITOR_VERSION, "This program needs at least TextEditor.mcc 15.48!"},
    {FL_ERR_NODE_OR_LEAF_EXPECTED, "Expected a <node> or <leaf> element! (line %d)"},
    {FL_ERR_COLUMN_NODE_OR_LEAF_EXPECTED, "Expected a <column>, <node> or <leaf> element! (line %d)"},
    {FL_ERR_TREE_ENTRY_EXPECTED, "Expected a treeview node or leaf! (object \"%s\")"},
    {FL_ERR_TREE_NODE_EXPECTED, "Expected a treeview node! (object \"%s\")"},
    {FL_ERR_NO_ACTIVE_ENTRY, "No active entry!"},
    {FL_ERR_TOO_MANY_COLUMNS, "Too many columns!"},
    {FL_ERR_COLUMN_RANGE, "Specified column index is out of range!"},
    {FL_ERR_ENTRY_RANGE, "Specified entry index is out of range!"},
    {FL_ERR_DYNAMIC_TYPE, "Type not supported by dynamic object creation!"},
    {FL_ERR_STILL_ATTACHED, "Cannot free object while it is still attached!"},
    {FL_ERR_ALREADY_ATTACHED, "This object has already been attached to a parent!"},
    {FL_ERR_NOT_ATTACHED, "This object is currently not attached to a parent!"},
    {FL_ERR_DECLARATIONS_UNBALANCED, "XML declarations are not balanced!"},
    {FL_ERR_NEED_VERSION4, "This feature needs at least MUI 4.0!"},
    {FL_ERR_WIDGET_SET_UP, "Error setting up wxWidgets!"},
    {FL_ERR_HTMLVIEW_VERSION, "This program needs at least HTMLview.mcc 12.5!"},
    {FL_ERR_NO_VALID_PARENT, "Object \"%s\" is no valid parent!"},
    {FL_ERR_NEED_PARENT, "You need to specify a parent for this object!"},
    {FL_ERR_INTERNAL_UNUSED, "....this error is just for internal use..."},
    {FL_ERR_FUNCTION_EXPECTED, "Function expected in parameter %s!"},
    {FL_ERR_INTERNAL_END_MODAL, "....this error is just for internal use..."},
    {FL_ERR_TOOLBAR_FIRST, "<toolbar> must always be the first element of the window's root group!"},
    {FL_ERR_STATUSBAR_LAST, "<statusbar> must always be the last element of the window's root group!"},
    {FL_ERR_NOT_MENU, "TIKO object \"%s\" is not a <menu> instance!"},
    {FL_ERR_CONTEXT_MENU, "Error building context menu!"},
    {FL_ERR_VALUE_EXPECTED, "Value expected in parameter %s!"},
    {FL_ERR_COLUMNS_FIRST, "Column declarations must be made before <node> or <leaf> elements!"},
    {FL_ERR_LEAF_ITEMS, "<leaf> has more items than there are columns in your treeview! (line %d)"},
    {FL_ERR_COLUMN_NOT_CHILD, "Specified item is not a child of the specified list node!"},
    {FL_ERR_NO_ICON_COLUMN, "Specified column doesn't support icons!"},
    {FL_ERR_INTERNAL_METHOD, "....this error is just for internal use..."},
    {FL_ERR_NOT_ACCELERATOR, "TIKO object \"%s\" is not an <accelerator> instance!"},
    {FL_ERR_ACCELERATOR_USED, "Accelerator object \"%s\" has already been used!"},
    {FL_ERR_REQUIRE, "You need to @REQUIRE this plugin before you can call its functions!"},
    {FL_ERR_IMAGE_NOT_FOUND, "Could not find specified image!"},
    // Registered after the published messages while some commands are still to come.
    {FL_ERR_NOT_AVAILABLE, "%s"},
};
static_assert(sizeof kErrorMessages / sizeof kErrorMessages[0] == FL_ERR_COUNT);

} // namespace

void fl_register_errors()
{
    for (const ErrorRow &row : kErrorMessages) fl.errors[row.id] = fl_system().registerError(row.text);
}

int fl_error_with_string(FlError e, const char *text)
{
    fl_system().setErrorString(text);
    return fl_error(e);
}

int fl_error_with_number(FlError e, int number)
{
    fl_system().setErrorNumber(number);
    return fl_error(e);
}
