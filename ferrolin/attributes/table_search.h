// Finding an attribute or method of a class: its own table first, then the
// generic table for widget classes, then its base class's table.
#pragma once

#include "vocabulary.h"

// The first row of `table` named `name` (ignoring case) whose access has
// `need`; a row with OwnClassOnly counts only when `ownTable` is true.
AttributeRow *fl_find_in_table(AttributeRow *table, const char *name, uint32_t need, bool ownTable);
// The row an object of class `classRow` answers to for `name` and `need`, or null.
AttributeRow *fl_find_attribute(int classRow, const char *name, uint32_t need);

const MethodRow *fl_find_method_in_table(const MethodRow *table, const char *name);
const MethodRow *fl_find_method(int classRow, const char *name);
