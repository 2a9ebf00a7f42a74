// Values given as names or numbers.
#include "named_values.h"

#include "../frame/plugin.h"

#include <string>
#include <strings.h>

const EnumEntry *fl_find_name(const EnumEntry *table, const char *name)
{
    for (const EnumEntry *e = table; e && e->name; e++)
        if (strcasecmp(e->name, name) == 0) return e;
    return nullptr;
}

const char *fl_name_of(const EnumEntry *table, int32_t value)
{
    for (const EnumEntry *e = table; e && e->name; e++)
        if (e->value == value) return e->name;
    return nullptr;
}

int32_t fl_decimal(const char *text)
{
    if (!text) return 0;
    const char *p = text;
    while (*p == ' ' || *p == '\t') p++;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') p++;
    uint64_t value = 0; // wraps; only the low 32 bits are kept
    for (; *p >= '0' && *p <= '9'; p++) value = value * 10 + uint64_t(*p - '0');
    uint32_t low = uint32_t(value);
    return int32_t(negative ? 0u - low : low);
}

bool fl_is_numeric(const char *text)
{
    if (text[0] >= '0' && text[0] <= '9') return true;
    return text[0] == '-' && text[1] >= '0' && text[1] <= '9';
}

int32_t fl_boolean(const char *text)
{
    static const EnumEntry kWords[] = {{"true", 1}, {"yes", 1}, {"on", 1}, {"false", 0}, {"no", 0}, {"off", 0}, {nullptr, 0}};
    if (const EnumEntry *e = fl_find_name(kWords, text)) return e->value;
    return fl_decimal(text);
}

int fl_choice(const EnumEntry *table, const char *text, int32_t *out)
{
    const EnumEntry *e = fl_find_name(table, text);
    if (!e) return fl_error_with_string(FL_ERR_UNKNOWN_VALUE, text);
    *out = e->value;
    return 0;
}

int fl_number_or_name(const EnumEntry *table, const char *text, int32_t *out)
{
    if (fl_is_numeric(text)) {
        *out = fl_decimal(text);
        return 0;
    }
    return fl_choice(table, text, out);
}

int fl_param_number_or_name(const ParamEnumEntry *table, const char *text, int32_t *out)
{
    if (fl_is_numeric(text)) {
        *out = fl_decimal(text);
        return 0;
    }
    for (const ParamEnumEntry *e = table; e && e->name; e++) {
        if (e->function) {
            size_t n = __builtin_strlen(e->name);
            if (strncasecmp(text, e->name, n) == 0 && text[n] == ':') {
                *out = e->function(fl_decimal(text + n + 1));
                return 0;
            }
        } else if (strcasecmp(text, e->name) == 0) {
            *out = e->value;
            return 0;
        }
    }
    return fl_error_with_string(FL_ERR_UNKNOWN_VALUE, text);
}

int fl_flag_set(const EnumEntry *table, const char *text, int32_t *out)
{
    int32_t flags = 0;
    const char *p = text;
    for (;;) {
        while (*p == ' ') p++;
        if (!*p) break;
        const char *end = p;
        while (*end && *end != ';') end++;
        std::string part(p, end);
        if (part != "0") {
            const EnumEntry *e = fl_find_name(table, part.c_str());
            if (!e) return fl_error_with_string(FL_ERR_UNKNOWN_VALUE, part.c_str());
            flags |= e->value;
        }
        if (!*end) break;
        p = end + 1;
    }
    *out = flags;
    return 0;
}

int32_t fl_screen_position(int32_t n) { return int32_t(uint32_t(-200) - uint32_t(n)); }
int32_t fl_delta_position(int32_t n) { return int32_t(uint32_t(-3) - uint32_t(n)); }
