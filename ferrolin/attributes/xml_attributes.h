// Applying the attributes of one XML element: each given value, then the
// defaults of the rows it did not give, into the element's creation tag list.
#pragma once

#include "vocabulary.h"

#include "kestrune.h"

// Starts an element of class `classRow` with `xmlAttributes` attributes:
// clears the Given marks of its tables and allocates its zeroed creation tag
// list, with room for every Fixed row, every attribute and the end item.
// 0 or an error code.
int fl_begin_tag_list(int classRow, int xmlAttributes, KsTagItem **list);

// Appends {tag, converted value} at the cursor for one row; a null value
// means the row's default. Marks the row Given and advances the cursor.
// On failure nothing is appended. 0 or an error code.
int fl_apply_xml_attribute(KsTagItem **cursor, AttributeRow *row, const char *value);

// For each row of `table` that was not given: a Fixed row whose tag is not
// yet in the list gets its default (the window's "Open" is skipped for a
// Dialog); a Required row fails with "Attribute %s is required for this class!".
int fl_apply_defaults(AttributeRow *table, int classRow, const KsTagItem *list, KsTagItem **cursor, int line);
// fl_apply_defaults over the class's own table, the generic table (widget
// classes) and its base class's table.
int fl_apply_class_defaults(int classRow, const KsTagItem *list, KsTagItem **cursor, int line);

// Frees the values the list owns (texts and colours) and the list itself.
void fl_free_tag_list(int classRow, KsTagItem *list);

// The private tag of the group "Color" row and the toolkit tag it is sent as.
constexpr uint32_t FL_TAG_GROUP_COLOR = 0x800000AF;
constexpr uint32_t FL_TAG_BACKGROUND = 0x8042545B;
