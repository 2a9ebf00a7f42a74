// Applying the attributes of one XML element.
#include "xml_attributes.h"

#include "../description/class_registry.h"
#include "../frame/plugin.h"
#include "../frame/toolkit_link.h"
#include "brush_images.h"
#include "named_values.h"
#include "script_values.h"
#include "text_codes.h"
#include "text_encoding.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

constexpr uint32_t kWindowOpenTag = 0x80428AA0;
constexpr const char *kAppTitleMarker = ":::apptitle:::";

// The tables an element of the class draws on, in search order; null-padded.
void class_tables(int classRow, AttributeRow *tables[3])
{
    const ClassRow &c = fl_classes[classRow];
    tables[0] = c.attributes;
    tables[1] = fl_is_widget_class(classRow) ? fl_generic_attributes : nullptr;
    tables[2] = c.baseRow ? fl_classes[c.baseRow].attributes : nullptr;
}

char *copy_text(const char *text)
{
    size_t n = std::strlen(text);
    auto *copy = static_cast<char *>(fl_system().allocMem(n + 1, 0, "tikotext"));
    if (copy) std::memcpy(copy, text, n + 1);
    return copy;
}

// The program's title as the host reports it, in the system character set;
// "Ferrolin" when it is empty. Host memory, or null when out of memory.
char *application_title()
{
    const char *title = nullptr;
    const KsTagItem query[] = {{KS_INFO_APP_TITLE, reinterpret_cast<uintptr_t>(&title)}, {0, 0}};
    if (fl_system().queryInfo(query) != 1) title = nullptr;
    if (!title || !*title) return copy_text("Ferrolin");
    if (fl.utf8 && fl_has_high_bytes(title)) return fl_utf8_to_system(title, std::strlen(title));
    return copy_text(title);
}

bool has_control_characters(const char *text) { return std::strpbrk(text, "\n\r\t") != nullptr; }

int convert_text(const AttributeRow &row, const char *value, uintptr_t *data)
{
    const char *source = value ? value : fl_default_text(row);
    if (!source) {
        *data = 0;
        return 0;
    }
    char *text = std::strcmp(source, kAppTitleMarker) == 0 ? application_title() : copy_text(source);
    if (!text) return KS_ERR_MEMORY;
    if (int err = fl_unescape_markup_text(&text)) {
        fl_system().freeMem(text);
        return err;
    }
    if ((row.access & FL_ACCESS_SINGLE_LINE) && has_control_characters(text)) {
        fl_system().freeMem(text);
        return fl_error(FL_ERR_INVALID_ELEMENT_CHARACTERS);
    }
    *data = reinterpret_cast<uintptr_t>(text);
    return 0;
}

int convert_color(uint32_t tag, const char *value, uintptr_t *data)
{
    uint32_t rgb = 0;
    if (int err = fl_parse_color(value, &rgb)) return err;
    uint32_t components[3];
    fl_spread_color(rgb, components);
    if (tag == FL_TAG_BACKGROUND) {
        // An image specification of the three components.
        auto *imageText = static_cast<char *>(fl_system().allocMem(64, 1, "tikocolor"));
        if (!imageText) return KS_ERR_MEMORY;
        std::snprintf(imageText, 64, "2:%.8x,%.8x,%.8x", components[0], components[1], components[2]);
        *data = reinterpret_cast<uintptr_t>(imageText);
    } else {
        auto *record = static_cast<uint32_t *>(fl_system().allocMem(sizeof components, 0, "tikocolor"));
        if (!record) return KS_ERR_MEMORY;
        std::memcpy(record, components, sizeof components);
        *data = reinterpret_cast<uintptr_t>(record);
    }
    return 0;
}

int32_t as_boolean(const AttributeRow &row, const char *value)
{
    int32_t b = value ? fl_boolean(value) : row.def;
    if (row.type == FL_TYPE_INVERTED_BOOLEAN) b = b == 0 ? 1 : 0;
    return b;
}

int convert_number(const AttributeRow &row, const char *value, uintptr_t *data)
{
    int32_t n = value ? fl_decimal(value) : row.def;
    if (row.access & FL_ACCESS_BRUSH_NUMBER) {
        int version = 0, revision = 0;
        fl_toolkit_version(&version, &revision);
        if (version >= 20)
            if (int err = fl_check_brush_image(n)) return err;
    }
    *data = uintptr_t(intptr_t(n));
    return 0;
}

int convert_icon(const char *value, uintptr_t *data)
{
    if (!value) return 0;
    char *name = copy_text(value);
    if (!name) return KS_ERR_MEMORY;
    size_t n = std::strlen(name);
    if (n >= 5 && strcasecmp(name + n - 5, ".info") == 0) name[n - 5] = 0;
    *data = reinterpret_cast<uintptr_t>(fl_load_icon(name));
    fl_system().freeMem(name);
    return 0;
}

int convert(const AttributeRow &row, uint32_t tag, const char *value, uintptr_t *data)
{
    int32_t n = 0;
    int err = 0;
    switch (row.type) {
    case FL_TYPE_NUMBER: return convert_number(row, value, data);
    case FL_TYPE_TEXT: return convert_text(row, value, data);
    case FL_TYPE_BOOLEAN:
    case FL_TYPE_INVERTED_BOOLEAN: n = as_boolean(row, value); break;
    case FL_TYPE_CHOICE:
        if (value) err = fl_choice(fl_names(row), value, &n); else n = row.def;
        break;
    case FL_TYPE_NUMBER_OR_NAME:
        if (value) err = fl_number_or_name(fl_names(row), value, &n); else n = row.def;
        break;
    case FL_TYPE_PARAM_NUMBER_OR_NAME:
        if (value) err = fl_param_number_or_name(fl_param_names(row), value, &n); else n = row.def;
        break;
    case FL_TYPE_FLAG_SET:
        if (value) err = fl_flag_set(fl_names(row), value, &n); else n = row.def;
        break;
    case FL_TYPE_COLOR: return convert_color(tag, value, data);
    case FL_TYPE_ICON_FILE: return convert_icon(value, data);
    default: break; // no conversion: the data stays 0
    }
    if (err) return err;
    *data = uintptr_t(intptr_t(n));
    return 0;
}

bool in_list(const KsTagItem *list, const KsTagItem *end, uint32_t tag)
{
    for (const KsTagItem *t = list; t < end; t++)
        if (t->tag == tag) return true;
    return false;
}

// The row of the class that produced an item with this tag.
const AttributeRow *row_of_item(int classRow, uintptr_t tag)
{
    AttributeRow *tables[3];
    class_tables(classRow, tables);
    for (AttributeRow *table : tables)
        for (const AttributeRow *row = table; row && row->tag; row++)
            if (row->tag == tag || (row->tag == FL_TAG_GROUP_COLOR && tag == FL_TAG_BACKGROUND)) return row;
    return nullptr;
}

} // namespace

int fl_begin_tag_list(int classRow, int xmlAttributes, KsTagItem **list)
{
    AttributeRow *tables[3];
    class_tables(classRow, tables);
    size_t fixed = 0;
    for (AttributeRow *table : tables) {
        for (AttributeRow *row = table; row && row->tag; row++) {
            row->access &= ~FL_ACCESS_GIVEN;
            if (row->access & FL_ACCESS_FIXED) fixed++;
        }
    }
    size_t items = fixed + size_t(xmlAttributes) + 1;
    *list = static_cast<KsTagItem *>(fl_system().allocMem(items * sizeof(KsTagItem), 1, "taglist"));
    return *list ? 0 : KS_ERR_MEMORY;
}

int fl_apply_xml_attribute(KsTagItem **cursor, AttributeRow *row, const char *value)
{
    uint32_t tag = row->tag == FL_TAG_GROUP_COLOR ? FL_TAG_BACKGROUND : row->tag;
    uintptr_t data = 0;
    if (int err = convert(*row, tag, value, &data)) return err;
    (*cursor)->tag = tag;
    (*cursor)->data = data;
    (*cursor)++;
    row->access |= FL_ACCESS_GIVEN;
    return 0;
}

int fl_apply_defaults(AttributeRow *table, int classRow, const KsTagItem *list, KsTagItem **cursor, int line)
{
    for (AttributeRow *row = table; row && row->tag; row++) {
        if (row->access & FL_ACCESS_GIVEN) continue;
        if (row->access & FL_ACCESS_FIXED) {
            if (in_list(list, *cursor, row->tag)) continue;
            if (row->tag == kWindowOpenTag && classRow == FL_CLASS_DIALOG) continue; // dialogs open when shown
            if (int err = fl_apply_xml_attribute(cursor, row, nullptr)) return err;
        } else if (row->access & FL_ACCESS_REQUIRED) {
            char argument[256];
            std::snprintf(argument, sizeof argument, "\"%s\" (line %d)", row->name ? row->name : "", line);
            return fl_error_with_string(FL_ERR_ATTRIBUTE_REQUIRED, argument);
        }
    }
    return 0;
}

int fl_apply_class_defaults(int classRow, const KsTagItem *list, KsTagItem **cursor, int line)
{
    AttributeRow *tables[3];
    class_tables(classRow, tables);
    for (AttributeRow *table : tables)
        if (int err = fl_apply_defaults(table, classRow, list, cursor, line)) return err;
    return 0;
}

void fl_free_tag_list(int classRow, KsTagItem *list)
{
    if (!list) return;
    for (KsTagItem *t = list; t->tag; t++) {
        const AttributeRow *row = row_of_item(classRow, t->tag);
        if (row && (row->type == FL_TYPE_TEXT || row->type == FL_TYPE_COLOR) && t->data)
            fl_system().freeMem(reinterpret_cast<void *>(t->data));
    }
    fl_system().freeMem(list);
}
