// The formats of the attribute and method tables: what a description, Set,
// Get, Notify and DoMethod may say about an object of each class.
#pragma once

#include <cstdint>

// Type codes: the kind of value an attribute holds.
enum : uint32_t {
    FL_TYPE_NUMBER = 1,
    FL_TYPE_TEXT = 2,
    FL_TYPE_BOOLEAN = 4,
    FL_TYPE_CHOICE = 8,
    FL_TYPE_COLOR = 16,
    FL_TYPE_NUMBER_OR_NAME = 128,
    FL_TYPE_INVERTED_BOOLEAN = 2048,
    FL_TYPE_PARAM_NUMBER_OR_NAME = 4096,
    FL_TYPE_FLAG_SET = 8192,
    FL_TYPE_TREE_ENTRY = 32768,
    FL_TYPE_ENTRY_UID = 0x200000,
    FL_TYPE_ICON_FILE = 0x800000,
};

// Access flags of an attribute row.
enum : uint32_t {
    FL_ACCESS_INIT = 1,             // may be given in XML at creation
    FL_ACCESS_SET = 2,              // tiko.Set
    FL_ACCESS_GET = 4,              // tiko.Get
    FL_ACCESS_FIXED = 8,            // sent at creation with its default when XML did not give it
    FL_ACCESS_GIVEN = 16,           // run-time mark: the element being applied gave it
    FL_ACCESS_SINGLE_LINE = 32,     // a text without line feed, carriage return or tab
    FL_ACCESS_NOTIFY = 64,          // may be named in a notification request
    FL_ACCESS_REQUIRED = 128,       // the XML element must give it
    FL_ACCESS_OWN_CLASS_ONLY = 256, // not reachable as a base class's row
    FL_ACCESS_BRUSH_NUMBER = 512,   // the number names a brush whose image must be obtainable
    FL_ACCESS_NUMERIC_GET = 1024,   // Get answers the number even when it has a name
};

// Trigger of a notification that fires on every new value.
constexpr uint32_t FL_TRIGGER_EVERY_TIME = 0x49893131;

// A named value; a table of them ends with a null name.
struct EnumEntry {
    const char *name;
    int32_t value;
};

// A named value of a ParamNumberOrName table. An entry with a function
// matches "name:n" and yields function(n); one without matches its name.
struct ParamEnumEntry {
    const char *name;
    int32_t value;
    int32_t (*function)(int32_t n);
};

// One attribute of a class. A table ends with a row whose tag is 0. Rows are
// searched in order and the first qualifying row wins.
struct AttributeRow {
    uint32_t tag;      // the toolkit tag the value is sent under
    const char *name;  // null for a nameless Fixed row
    uint32_t type;     // FL_TYPE_*
    const void *table; // EnumEntry[] or ParamEnumEntry[] for named values; the default text of a Text row
    int32_t def;       // default number
    uint32_t trigger;  // value that fires a notification
    uint32_t access;   // FL_ACCESS_*
};

// Parameter types of a method slot: the low bits say what the script passes,
// the rest modify it.
enum : uint32_t {
    FL_PARAM_NUMBER = 1,
    FL_PARAM_TEXT = 2,
    FL_PARAM_NAME = 8,                // a name of the slot's table
    FL_PARAM_IMPLICIT = 32,           // not taken from the script
    FL_PARAM_MENU_ID = 64,            // id of a Menu object
    FL_PARAM_NUMBER_OR_NAME = 128,    // number, numeric string or a name of the slot's table
    FL_PARAM_RESULT_CELL_2 = 0x100,   // with IMPLICIT: address of the second result cell
    FL_PARAM_RESULT_CELL_1 = 0x400,   // with IMPLICIT: address of the first result cell
    FL_PARAM_COLUMN_TEXTS = 512,      // one text per column of the target list or tree
    FL_PARAM_FLAG_NAMES = 0x2000,     // names of the slot's table separated by ";", OR-ed
    FL_PARAM_TREE_NODE = 0x4000,      // a name of the slot's table or the id of a treeview node
    FL_PARAM_TREE_ENTRY = 0x8000,     // a name of the slot's table or the id of a node or leaf
    FL_PARAM_ENTRY_OR_UID = 0x10000,  // a light pointer from "UID", or a name of the slot's table
    FL_PARAM_OBJECT_ID = 0x20000,     // id of an existing object
    FL_PARAM_NEW_ID = 0x40000,        // id for a new object, not in use
    FL_PARAM_OPTIONAL = 0x80000,      // absent at the end of the arguments: `value` is used
    FL_PARAM_FUNCTION = 0x100000,     // a script function
    FL_PARAM_ANY_VALUE = 0x400000,    // any script value, kept as a reference
};

// One parameter slot. `table` holds the slot's named values, or the constant
// text of an implicit text slot; `value` holds the constant of an implicit
// slot or the default of an optional one. A slot of type 0 ends the list.
struct MethodParam {
    uint32_t type;
    const void *table;
    intptr_t value;
};

constexpr int FL_METHOD_PARAMS = 8;

// One method of a class. A table ends with a row whose id is 0.
struct MethodRow {
    uint32_t id;
    const char *name;
    MethodParam params[FL_METHOD_PARAMS];
};

inline const EnumEntry *fl_names(const AttributeRow &row) { return static_cast<const EnumEntry *>(row.table); }
inline const ParamEnumEntry *fl_param_names(const AttributeRow &row)
{
    return static_cast<const ParamEnumEntry *>(row.table);
}
inline const char *fl_default_text(const AttributeRow &row) { return static_cast<const char *>(row.table); }
inline const EnumEntry *fl_names(const MethodParam &slot) { return static_cast<const EnumEntry *>(slot.table); }

// The shared tables, and the per-class tables by class row (null method
// table for a class without methods of its own).
extern AttributeRow fl_generic_attributes[];
extern const MethodRow fl_generic_methods[];
AttributeRow *fl_class_attributes(int classRow);
const MethodRow *fl_class_methods(int classRow);

// The Pageview rows whose tags only the fourth toolkit generation knows.
void fl_use_version4_pageview_tags();

// The functions of the window position and size names.
int32_t fl_screen_position(int32_t n); // "Screen:n" → -200 − n
int32_t fl_delta_position(int32_t n);  // "Delta:n"  → -3 − n
