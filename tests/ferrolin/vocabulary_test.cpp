// The attribute and method tables checked against a list written here from
// the published vocabulary: the number of rows of every class, and sample
// rows with their positions, names, tags, types, access flags and values.
#include "../../ferrolin/attributes/named_values.h"
#include "../../ferrolin/attributes/vocabulary.h"
#include "../../ferrolin/description/class_registry.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

int attributeRows(const AttributeRow *t)
{
    int n = 0;
    while (t && t[n].tag) n++;
    return n;
}
int methodRows(const MethodRow *t)
{
    int n = 0;
    while (t && t[n].id) n++;
    return n;
}

struct Count {
    int row, attributes, methods;
};
const Count kCounts[] = {
    {0, 2, 5},    {1, 32, 0},  {2, 0, 2},   {3, 0, 4},   {4, 3, 4},   {5, 14, 0},  {6, 17, 6},   {7, 17, 6},
    {8, 17, 6},   {9, 4, 0},   {10, 8, 1},  {11, 1, 0},  {12, 12, 5}, {13, 8, 0},  {14, 5, 5},   {15, 25, 16},
    {16, 4, 0},   {17, 0, 0},  {18, 3, 0},  {19, 10, 10}, {20, 4, 0}, {21, 9, 0},  {22, 4, 0},   {23, 7, 0},
    {24, 2, 0},   {25, 2, 0},  {26, 0, 0},  {27, 0, 0},  {28, 2, 0},  {29, 7, 0},  {30, 1, 0},   {31, 5, 0},
    {32, 5, 0},   {33, 9, 0},  {34, 7, 0},  {35, 8, 0},  {36, 10, 5}, {37, 18, 6}, {38, 8, 0},   {39, 16, 17},
    {40, 8, 5},   {41, 3, 0},  {42, 1, 2},  {43, 1, 0},  {44, 7, 0},  {45, 3, 1},  {46, 2, 9},   {47, 8, 0},
    {48, 2, 0},   {49, 9, 0},  {50, 2, 0},  {51, 4, 0},
};

// Access letters: I S G N, then F fixed, L single-line, R required, O own-class, B brush, C numeric-get.
uint32_t access(const char *letters)
{
    uint32_t a = 0;
    for (const char *p = letters; *p; p++) {
        switch (*p) {
        case 'I': a |= 1; break;
        case 'S': a |= 2; break;
        case 'G': a |= 4; break;
        case 'F': a |= 8; break;
        case 'L': a |= 32; break;
        case 'N': a |= 64; break;
        case 'R': a |= 128; break;
        case 'O': a |= 256; break;
        case 'B': a |= 512; break;
        case 'C': a |= 1024; break;
        }
    }
    return a;
}

struct AttributeSample {
    int row;   // class row, -1 for the generic table
    int index; // position in the table
    const char *name;
    uint32_t tag, type;
    const char *access;
    int32_t def;
    uint32_t trigger;
};
constexpr uint32_t EVERY = 0x49893131;
const AttributeSample kAttributeSamples[] = {
    {-1, 0, "NoAutoKey", 0x8000000F, 4, "I", 0, 0},
    {-1, 1, "Hide", 0x80429BA8, 2048, "ISG", 0, 0},
    {-1, 12, "__ContextMenu", 0x8042A2C1, 1, "N", 0, EVERY},
    {0, 1, "Icon", 0x804235CB, 0x800000, "I", 0, 0},
    {1, 0, nullptr, 0x8042CBA5, 1, "F", 0, 0},
    {1, 2, "Open", 0x80428AA0, 4, "ISGFO", 1, 0},
    {1, 6, "Activate", 0x80428D2F, 4, "ISGNO", 0, EVERY},
    {1, 7, "CloseRequest", 0x8042E86E, 1, "N", 0, 1},
    {1, 14, "Top", 0x80427C66, 4096, "IG", 0, 0},
    {1, 20, nullptr, 0x804280CF, 1, "F", 1, 0},
    {1, 31, "Parent", 0x80000048, 2, "I", 0, 0},
    {4, 0, "Title", 0x8042A0E3, 2, "ISGFL", 0, 0},
    {5, 2, "Selected", 0x8042562A, 4, "ISG", 0, 0},
    {5, 3, "Selected", 0x80426F32, 1, "N", 0, EVERY},
    {5, 13, "Help", 0x8000003C, 2, "ISGL", 0, 0},
    {6, 14, "Paint", 0x800000AD, 1, "N", 0, 0},
    {8, 16, "Color", 0x800000AF, 16, "I", 0, 0},
    {9, 1, "AutoBars", 0x8042F50E, 4, "IF", 1, 0},
    {10, 0, "VirtWidth", 0x80000098, 1, "ISGR", 0, 0},
    {11, 0, "Horiz", 0x8042536B, 4, "I", 0, 0},
    {12, 6, "Active", 0x80424199, 128, "ISGNC", 0, EVERY},
    {12, 8, "Mode", 0x8000007F, 8, "I", 0, 0},
    {13, 4, "Icon", 0x80000068, 1, "IB", 0, 0},
    {13, 6, "Text", 0x8000006A, 2, "SGFL", 0, 0},
    {14, 1, "Active", 0x80421788, 128, "ISGNC", 0, EVERY},
    {15, 6, "Active", 0x8042391C, 128, "ISGNC", 0, EVERY},
    {15, 16, nullptr, 0x804214C2, 1, "N", 0, EVERY},
    {15, 24, "Alternate", 0x800000B8, 4, "I", 0, 0},
    {16, 3, "Title", 0x80000008, 2, "IL", 0, 0},
    {18, 2, "Align", 0x80000073, 8, "ISG", 0, 0},
    {19, 6, "Text", 0x80428FFD, 2, "SGNFL", 0, EVERY},
    {19, 9, "CursorPos", 0x851B0791, 1, "SG", 0, 0},
    {20, 3, nullptr, 0x8042AC64, 1, "F", 8, 0},
    {21, 7, "Release", 0x80423535, 1, "N", 0, 0},
    {22, 2, nullptr, 0x80000009, 2, "F", 0, 0},
    {23, 6, "Styled", 0x80000063, 4, "I", 0, 0},
    {24, 1, "Width", 0x8042A3F1, 1, "IF", 0, 0},
    {25, 0, nullptr, 0x80426DB9, 1, "F", 0, 0},
    {28, 0, "Align", 0x8000000A, 8, "I", 0, 0},
    {29, 6, "UseWinBorder", 0x8042DEEE, 8, "I", 0, 0},
    {30, 0, "Brush", 0x80000053, 1, "ISR", 0, 0},
    {31, 0, "Display", 0x8000004C, 1, "ISR", 0, 0},
    {32, 2, "RGB", 0x8042A204, 16, "ISGN", 0, EVERY},
    {32, 4, nullptr, 0x8042BE50, 1, "F", -7, 0},
    {33, 4, nullptr, 0x8008002E, 1, "F", 1, 0},
    {33, 8, "SaveMode", 0x8008002C, 4, "I", 0, 0},
    {34, 5, nullptr, 0x8008002F, 1, "F", 1, 0},
    {35, 1, nullptr, 0x8042DF3D, 1, "F", 1, 0},
    {35, 7, "MaxSize", 0x80080011, 1, "I", 0, 0},
    {36, 7, "Value", 0x80428FFD, 2, "ISGNL", 0, EVERY},
    {37, 4, "Active", 0x80020020, 32768, "SGN", 0, EVERY},
    {37, 16, "ForceMode", 0x800000B7, 8, "I", 0, 0},
    {38, 1, nullptr, 0xF76B0237, 2, "F", 0, 0},
    {38, 5, "ViewMode", 0xF76B023B, 8, "I", 0, 0},
    {39, 3, "HasChanged", 0xAD00004B, 4, "GN", 0, 1},
    {39, 15, "Color", 0xAD00002E, 16, "SGN", 0, EVERY},
    {40, 7, "CanGoForward", 0x8000007C, 4, "GN", 0, EVERY},
    {41, 2, nullptr, 0x80000042, 2, "F", 0, 0},
    {42, 0, nullptr, 0x80020049, 1, "F", 0, 0},
    {43, 0, nullptr, 0x80000097, 1, "F", 0, 0},
    {44, 6, "Align", 0x800000B2, 8, "ISG", 0, 0},
    {45, 0, "Name", 0x80000022, 2, "ISGLR", 0, 0},
    {45, 2, "UID", 0x800000AA, 0x200000, "G", 0, 0},
    {46, 0, nullptr, 0x800000BF, 1, "F", 0, 0},
    {47, 7, "Sortable", 0x800000B3, 4, "ISG", 0, 0},
    {48, 1, "Icon", 0x8000006C, 1, "I", 0, 0},
    {49, 7, "Selected", 0x8042654B, 1, "N", 0, 1},
    {50, 0, "Text", 0x8000003E, 2, "SGFL", 0, 0},
    {51, 2, "Mod", 0x800000D2, 8192, "I", 0, 0},
};

struct ValueSample {
    int row;
    const char *attribute, *name;
    int32_t value;
};
const ValueSample kValueSamples[] = {
    {1, "Left", "Moused", -2},        {5, "Type", "Radio", 2},         {6, "VAlign", "Bottom", 2},
    {12, "Active", "Prev", -2},       {12, "Mode", "None", 3},         {12, "Position", "Left", 2},
    {13, "IconPos", "Right", 1},      {14, "Active", "Prev", -2},      {15, "Active", "PageDown", -7},
    {15, "ForceMode", "Dataview", 3}, {18, "Align", "Center", 1},      {29, "UseWinBorder", "Bottom", 3},
    {37, "Active", "Off", 0},         {37, "ForceMode", "Treeview", 1}, {38, "ViewMode", "Text", 2},
    {39, "Align", "Right", 2},        {49, "Type", "Toggle", 1},       {51, "Mod", "Shift", 8},
};

struct MethodSample {
    int row, index;
    const char *name;
    uint32_t id;
    uint32_t types[4]; // the first slots' types, 0 past the last
    intptr_t values[4];
};
const MethodSample kMethodSamples[] = {
    {-1, 0, "Redraw", 0x800000AC, {0}, {0}},
    {0, 1, "AddWindow", 0x00000109, {0x20000}, {0}},
    {0, 4, "AboutMUI", 0x8042D21D, {32}, {0}},
    {2, 0, "ShowModal", 0x8000005D, {0x100000 | 0x80000, 0x400000 | 0x80000}, {0, -1}},
    {3, 1, "Insert", 0x80424D34, {0x20000, 64}, {0}},
    {6, 1, "ExitChange", 0x8042D1CC, {1 | 0x80000}, {0}},
    {10, 0, "Scroll", 0x8000009D, {1, 1}, {0}},
    {12, 2, "Insert", 0x80000089, {0x20000, 1, 1 | 0x80000}, {0}},
    {14, 2, "Insert", 0x800000E1, {128, 2}, {0}},
    {15, 2, "GetEntry", 0x804280EC, {128, 32 | 0x400}, {0}},
    {15, 3, "Insert", 0x804254D5, {128, 512}, {0}},
    {15, 8, "Select", 0x804252D8, {128, 128, 32 | 0x100}, {0}},
    {15, 15, "GetDisabled", 0x800000BC, {1, 1}, {0}},
    {19, 5, "Insert", 0x851B0728, {2, 32}, {0}},
    {19, 9, "GetSelection", 0x80000038, {0}, {0}},
    {36, 4, "Rename", 0x800000E2, {1, 2}, {0}},
    {37, 0, "InsertNode", 0x80020011, {0x40000, 0x4000, 0x8000, 32}, {0, 0, 0, 2}},
    {37, 5, "GetEntry", 0x8002002B, {0x10000, 128, 32}, {0}},
    {39, 9, "MarkNone", 0xAD00002C, {32, 32}, {0, -1}},
    {39, 15, "SetColor", 0x8000005A, {1, 1, 32, 1}, {0, 0, 1, 0}},
    {40, 1, "Search", 0xAD00301F, {2, 0x2000}, {0}},
    {42, 1, "Reset", 0x80000086, {0}, {0}},
    {45, 0, "Edit", 0x800000C9, {0}, {0}},
    {46, 8, "Edit", 0x800000C8, {1}, {0}},
};

struct ParamValueSample {
    int row;
    const char *method;
    int slot;
    const char *name;
    int32_t value;
};
const ParamValueSample kParamValueSamples[] = {
    {12, "GetPageID", 0, "Active", -2},  {14, "Remove", 0, "Last", -2},     {15, "Insert", 0, "Sorted", -2},
    {15, "Move", 1, "Previous", -4},     {15, "Select", 1, "Ask", 3},       {15, "Jump", 0, "Bottom", -2},
    {36, "Insert", 0, "Bottom", -3},     {37, "GetEntry", 1, "Parent", -5}, {37, "Open", 0, "Active", -2},
    {39, "Insert", 1, "Bottom", 2},      {40, "Search", 1, "Backwards", 4},
};

class Vocabulary : public ::testing::Test {
protected:
    void SetUp() override { fl_link_class_tables(); }
    static const AttributeRow *attributes(int row) { return row < 0 ? fl_generic_attributes : fl_classes[row].attributes; }
    static const MethodRow *methods(int row) { return row < 0 ? fl_generic_methods : fl_classes[row].methods; }
};

TEST_F(Vocabulary, RowCountsOfEveryClass)
{
    ASSERT_EQ(sizeof kCounts / sizeof kCounts[0], size_t(FL_CLASS_COUNT));
    EXPECT_EQ(attributeRows(fl_generic_attributes), 13);
    EXPECT_EQ(methodRows(fl_generic_methods), 1);
    int attributeTotal = 0, methodTotal = 0;
    for (const Count &c : kCounts) {
        ASSERT_NE(fl_classes[c.row].attributes, nullptr) << c.row;
        EXPECT_EQ(attributeRows(fl_classes[c.row].attributes), c.attributes) << "attributes of row " << c.row;
        EXPECT_EQ(methodRows(fl_classes[c.row].methods), c.methods) << "methods of row " << c.row;
        attributeTotal += c.attributes;
        methodTotal += c.methods;
    }
    std::printf("attribute rows: %d in the class tables (+13 generic); method rows: %d (+1 generic)\n",
                attributeTotal, methodTotal);
}

TEST_F(Vocabulary, SharedTables)
{
    EXPECT_EQ(fl_classes[6].attributes, fl_classes[7].attributes);
    EXPECT_EQ(fl_classes[6].attributes, fl_classes[8].attributes);
    EXPECT_EQ(fl_classes[6].methods, fl_classes[8].methods);
    EXPECT_EQ(fl_classes[3].methods, fl_classes[4].methods);
    EXPECT_NE(fl_classes[33].attributes, fl_classes[34].attributes);
    // The treeview column table is the listview column table without "Sortable".
    for (int i = 0; i < 7; i++) {
        EXPECT_STREQ(fl_classes[44].attributes[i].name, fl_classes[47].attributes[i].name);
        EXPECT_EQ(fl_classes[44].attributes[i].tag, fl_classes[47].attributes[i].tag);
    }
}

TEST_F(Vocabulary, AttributeSamples)
{
    for (const AttributeSample &s : kAttributeSamples) {
        const AttributeRow &r = attributes(s.row)[s.index];
        SCOPED_TRACE(testing::Message() << "row " << s.row << " index " << s.index);
        if (s.name) {
            EXPECT_STREQ(r.name, s.name);
        }
        else EXPECT_EQ(r.name, nullptr);
        EXPECT_EQ(r.tag, s.tag);
        EXPECT_EQ(r.type, s.type);
        EXPECT_EQ(r.access & ~FL_ACCESS_GIVEN, access(s.access)) << "the Given mark is a run-time one";
        EXPECT_EQ(r.def, s.def);
        if (r.access & FL_ACCESS_NOTIFY) {
            EXPECT_EQ(r.trigger, s.trigger);
        }
    }
}

TEST_F(Vocabulary, DefaultTexts)
{
    EXPECT_STREQ(fl_default_text(fl_classes[1].attributes[1]), ":::apptitle:::");
    EXPECT_STREQ(fl_default_text(fl_classes[4].attributes[0]), "Unnamed");
    EXPECT_STREQ(fl_default_text(fl_classes[32].attributes[3]), "Dummy");
    EXPECT_EQ(fl_default_text(fl_classes[5].attributes[0]), nullptr);
}

TEST_F(Vocabulary, NamedValues)
{
    for (const ValueSample &s : kValueSamples) {
        const AttributeRow *r = attributes(s.row);
        while (r->tag && !(r->name && std::string(r->name) == s.attribute)) r++;
        ASSERT_NE(r->tag, 0u) << s.row << " " << s.attribute;
        const EnumEntry *e = fl_find_name(fl_names(*r), s.name);
        ASSERT_NE(e, nullptr) << s.row << " " << s.attribute << " " << s.name;
        EXPECT_EQ(e->value, s.value) << s.row << " " << s.attribute << " " << s.name;
    }
    // The parameterised window values.
    const ParamEnumEntry *width = fl_param_names(fl_classes[1].attributes[11]);
    EXPECT_STREQ(width[0].name, "Default");
    EXPECT_EQ(width[0].value, -1001);
    EXPECT_STREQ(width[1].name, "Screen");
    EXPECT_EQ(width[1].function(50), -250);
    const ParamEnumEntry *top = fl_param_names(fl_classes[1].attributes[14]);
    EXPECT_STREQ(top[2].name, "Delta");
    EXPECT_EQ(top[2].function(10), -13);
}

TEST_F(Vocabulary, MethodSamples)
{
    for (const MethodSample &s : kMethodSamples) {
        const MethodRow &m = methods(s.row)[s.index];
        SCOPED_TRACE(testing::Message() << "row " << s.row << " method " << s.name);
        EXPECT_STREQ(m.name, s.name);
        EXPECT_EQ(m.id, s.id);
        int slots = 0;
        while (slots < 4 && s.types[slots]) slots++;
        for (int i = 0; i < slots; i++) {
            EXPECT_EQ(m.params[i].type, s.types[i]) << "slot " << i;
            if (!(m.params[i].type & (FL_PARAM_IMPLICIT | FL_PARAM_OPTIONAL))) continue;
            EXPECT_EQ(m.params[i].value, s.values[i]) << "slot " << i;
        }
        if (slots < 4) {
            EXPECT_EQ(m.params[slots].type, 0u) << "no slot after the last";
        }
    }
    const MethodRow *cut = &fl_classes[39].methods[1];
    EXPECT_STREQ(static_cast<const char *>(cut->params[0].table), "CUT");
    EXPECT_STREQ(static_cast<const char *>(fl_classes[39].methods[5].params[0].table), "REDO");
}

TEST_F(Vocabulary, MethodParameterNames)
{
    for (const ParamValueSample &s : kParamValueSamples) {
        const MethodRow *m = methods(s.row);
        while (m->id && std::string(m->name) != s.method) m++;
        ASSERT_NE(m->id, 0u) << s.row << " " << s.method;
        const EnumEntry *e = fl_find_name(fl_names(m->params[s.slot]), s.name);
        ASSERT_NE(e, nullptr) << s.row << " " << s.method << " " << s.name;
        EXPECT_EQ(e->value, s.value) << s.row << " " << s.method << " " << s.name;
    }
}

} // namespace
