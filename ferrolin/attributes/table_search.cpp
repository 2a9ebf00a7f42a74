// Finding an attribute or method of a class.
#include "table_search.h"

#include "../description/class_registry.h"

#include <strings.h>

AttributeRow *fl_find_in_table(AttributeRow *table, const char *name, uint32_t need, bool ownTable)
{
    if (!name) return nullptr;
    for (AttributeRow *row = table; row && row->tag; row++) {
        if (!row->name || !(row->access & need)) continue;
        if ((row->access & FL_ACCESS_OWN_CLASS_ONLY) && !ownTable) continue;
        if (strcasecmp(row->name, name) == 0) return row;
    }
    return nullptr;
}

AttributeRow *fl_find_attribute(int classRow, const char *name, uint32_t need)
{
    if (classRow < 0 || classRow >= FL_CLASS_COUNT) return nullptr;
    const ClassRow &c = fl_classes[classRow];
    if (AttributeRow *row = fl_find_in_table(c.attributes, name, need, true)) return row;
    if (fl_is_widget_class(classRow))
        if (AttributeRow *row = fl_find_in_table(fl_generic_attributes, name, need, false)) return row;
    if (c.baseRow) return fl_find_in_table(fl_classes[c.baseRow].attributes, name, need, false);
    return nullptr;
}

const MethodRow *fl_find_method_in_table(const MethodRow *table, const char *name)
{
    if (!name) return nullptr;
    for (const MethodRow *row = table; row && row->id; row++)
        if (strcasecmp(row->name, name) == 0) return row;
    return nullptr;
}

const MethodRow *fl_find_method(int classRow, const char *name)
{
    if (classRow < 0 || classRow >= FL_CLASS_COUNT) return nullptr;
    const ClassRow &c = fl_classes[classRow];
    if (const MethodRow *row = fl_find_method_in_table(c.methods, name)) return row;
    if (fl_is_widget_class(classRow))
        if (const MethodRow *row = fl_find_method_in_table(fl_generic_methods, name)) return row;
    if (c.baseRow) return fl_find_method_in_table(fl_classes[c.baseRow].methods, name);
    return nullptr;
}
