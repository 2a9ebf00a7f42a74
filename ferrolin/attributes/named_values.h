// Values given as names or numbers: named-value tables, decimal numbers,
// booleans, flag sets and the parameterised window positions.
#pragma once

#include "vocabulary.h"

// The entry named `name` (ignoring case), or null.
const EnumEntry *fl_find_name(const EnumEntry *table, const char *name);
// The first name of `value`, or null.
const char *fl_name_of(const EnumEntry *table, int32_t value);

// A decimal number as the host reads one: leading blanks, a sign, digits up
// to the first other character (none: 0); values beyond 32 bits wrap.
int32_t fl_decimal(const char *text);
// True when the text reads as a number: a digit first, or "-" and a digit.
bool fl_is_numeric(const char *text);
// "true", "yes", "on" → 1; "false", "no", "off" → 0 (ignoring case); else the decimal value.
int32_t fl_boolean(const char *text);

// The conversions below return 0, or the id of "Unknown value "%s" for this
// tag!" with the offending text as its argument.
int fl_choice(const EnumEntry *table, const char *text, int32_t *out);
int fl_number_or_name(const EnumEntry *table, const char *text, int32_t *out);
int fl_param_number_or_name(const ParamEnumEntry *table, const char *text, int32_t *out);
int fl_flag_set(const EnumEntry *table, const char *text, int32_t *out);
