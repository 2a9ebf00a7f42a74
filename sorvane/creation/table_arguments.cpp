// Table arguments (rectangles, points, colours, dates) and the tables that
// carry libharu's records back to scripts.
#include "arguments.h"

#include <cmath>

namespace {

// Reads the numeric field `key` of the table at `pos`; 1159 names a missing or non-numeric one.
int number_field(ScriptState *state, int pos, const char *key, double *out)
{
    const KsScriptServices &s = sv_script();
    s.getField(state, pos, key);
    int isNumber = 0;
    *out = s.toNumber(state, -1, &isNumber);
    s.pop(state, 1);
    if (!isNumber) {
        sv_system().setErrorString(key);
        return KS_ERR_TABLE_FIELD;
    }
    return 0;
}

// Reads the fields in order into single-precision numbers.
int real_fields(ScriptState *state, int pos, const char *const *keys, HPDF_REAL *const *out)
{
    sv_script().checkTable(state, pos);
    for (int i = 0; keys[i]; i++) {
        double v;
        if (int err = number_field(state, pos, keys[i], &v)) return err;
        *out[i] = HPDF_REAL(v);
    }
    return 0;
}

void set_number(ScriptState *state, const char *key, double value)
{
    sv_script().pushNumber(state, value);
    sv_script().setField(state, -2, key);
}

void set_integer(ScriptState *state, const char *key, int64_t value)
{
    sv_script().pushInteger(state, value);
    sv_script().setField(state, -2, key);
}

} // namespace

int64_t sv_truncate(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 9.2e18) return INT64_MAX;
    if (value <= -9.2e18) return INT64_MIN;
    return int64_t(value);
}

int sv_read_rect(ScriptState *state, int pos, HPDF_Rect *out)
{
    static const char *const keys[] = {"left", "bottom", "right", "top", nullptr};
    HPDF_REAL *const fields[] = {&out->left, &out->bottom, &out->right, &out->top};
    return real_fields(state, pos, keys, fields);
}

int sv_read_point(ScriptState *state, int pos, HPDF_Point *out)
{
    static const char *const keys[] = {"x", "y", nullptr};
    HPDF_REAL *const fields[] = {&out->x, &out->y};
    return real_fields(state, pos, keys, fields);
}

int sv_read_rgb(ScriptState *state, int pos, HPDF_RGBColor *out)
{
    static const char *const keys[] = {"r", "g", "b", nullptr};
    HPDF_REAL *const fields[] = {&out->r, &out->g, &out->b};
    return real_fields(state, pos, keys, fields);
}

int sv_read_cmyk(ScriptState *state, int pos, HPDF_CMYKColor *out)
{
    static const char *const keys[] = {"c", "m", "y", "k", nullptr};
    HPDF_REAL *const fields[] = {&out->c, &out->m, &out->y, &out->k};
    return real_fields(state, pos, keys, fields);
}

int sv_read_date(ScriptState *state, int pos, HPDF_Date *out)
{
    const KsScriptServices &s = sv_script();
    s.checkTable(state, pos);
    static const char *const keys[] = {"year", "month", "day", "hour", "minutes", "seconds"};
    HPDF_INT *const fields[] = {&out->year, &out->month, &out->day, &out->hour, &out->minutes, &out->seconds};
    for (int i = 0; i < 6; i++) {
        double v;
        if (int err = number_field(state, pos, keys[i], &v)) return err;
        *fields[i] = HPDF_INT(sv_truncate(v));
    }
    s.getField(state, pos, "ind");
    const char *ind = s.typeOf(state, -1) == KS_TYPE_STRING ? s.toString(state, -1, nullptr) : nullptr;
    out->ind = ind ? ind[0] : 0;
    s.pop(state, 1);
    if (!ind) return KS_ERR_STRING_FIELD;
    static const char *const offsets[] = {"off_hour", "off_minutes"};
    HPDF_INT *const offsetFields[] = {&out->off_hour, &out->off_minutes};
    for (int i = 0; i < 2; i++) {
        *offsetFields[i] = 0;
        if (s.getField(state, pos, offsets[i]) == KS_TYPE_NIL) {
            s.pop(state, 1);
            continue;
        }
        s.pop(state, 1);
        double v;
        if (int err = number_field(state, pos, offsets[i], &v)) return err;
        *offsetFields[i] = HPDF_INT(sv_truncate(v));
    }
    return 0;
}

void sv_push_rect(ScriptState *state, HPDF_Rect value)
{
    sv_script().newTable(state, 0, 4);
    set_number(state, "left", value.left);
    set_number(state, "bottom", value.bottom);
    set_number(state, "right", value.right);
    set_number(state, "top", value.top);
}

void sv_push_rgb(ScriptState *state, HPDF_RGBColor value)
{
    sv_script().newTable(state, 0, 3);
    set_number(state, "r", value.r);
    set_number(state, "g", value.g);
    set_number(state, "b", value.b);
}

void sv_push_cmyk(ScriptState *state, HPDF_CMYKColor value)
{
    sv_script().newTable(state, 0, 4);
    set_number(state, "c", value.c);
    set_number(state, "m", value.m);
    set_number(state, "y", value.y);
    set_number(state, "k", value.k);
}

void sv_push_matrix(ScriptState *state, HPDF_TransMatrix value)
{
    sv_script().newTable(state, 0, 6);
    set_number(state, "a", value.a);
    set_number(state, "b", value.b);
    set_number(state, "c", value.c);
    set_number(state, "d", value.d);
    set_number(state, "x", value.x);
    set_number(state, "y", value.y);
}

// {ptn = {8 slots at keys 1 to 8}, num_ptn, phase}
void sv_push_dash(ScriptState *state, HPDF_DashMode value)
{
    const KsScriptServices &s = sv_script();
    s.newTable(state, 0, 3);
    s.newTable(state, 8, 0);
    for (int i = 0; i < 8; i++) {
        s.pushInteger(state, value.ptn[i]);
        s.setIndex(state, -2, i + 1);
    }
    s.setField(state, -2, "ptn");
    set_integer(state, "num_ptn", value.num_ptn);
    set_integer(state, "phase", value.phase);
}

void sv_push_text_width(ScriptState *state, HPDF_TextWidth value)
{
    sv_script().newTable(state, 0, 4);
    set_integer(state, "numchars", value.numchars);
    set_integer(state, "numwords", value.numwords);
    set_integer(state, "width", value.width);
    set_integer(state, "numspace", value.numspace);
}

int sv_missing_function(const char *name)
{
    char text[160];
    sv_runtime().format(text, sizeof text, "%s is not available in the libharu this plugin is built with!", name);
    return sv_error_with_string(SV_ERR_LIBRARY_TEXT, text);
}
