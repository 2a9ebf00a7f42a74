// Applying XML attributes and defaults, and the value rules of scripts.
#include "../../ferrolin/attributes/named_values.h"
#include "../../ferrolin/attributes/script_values.h"
#include "../../ferrolin/attributes/table_search.h"
#include "../../ferrolin/attributes/text_encoding.h"
#include "../../ferrolin/attributes/xml_attributes.h"
#include "../../ferrolin/description/class_registry.h"
#include "../../ferrolin/frame/plugin.h"
#include "fake_host.h"

#include "toolkit/world.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class Conversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        tk::resetWorld();
        fl = FlPlugin{};
        fake = &host;
        ASSERT_EQ(host.init(10, 0), 1);
    }
    void TearDown() override
    {
        fl_free_tag_list(classRow, list);
        fake = nullptr;
    }

    // Applies one XML attribute of an element of `row`; the converted item is `list[0]`.
    int apply(int row, const char *name, const char *value)
    {
        fl_free_tag_list(classRow, list);
        classRow = row;
        EXPECT_EQ(fl_begin_tag_list(row, 1, &list), 0);
        cursor = list;
        AttributeRow *attribute = fl_find_attribute(row, name, FL_ACCESS_INIT);
        if (!attribute) return -1;
        return fl_apply_xml_attribute(&cursor, attribute, value);
    }
    int32_t data() const { return int32_t(list[0].data); }
    const char *text() const { return reinterpret_cast<const char *>(list[0].data); }
    // The item of `tag` after the element's defaults were applied, or null.
    const KsTagItem *item(uint32_t tag) const
    {
        for (const KsTagItem *t = list; t->tag; t++)
            if (t->tag == tag) return t;
        return nullptr;
    }
    std::string failure(int err) const { return host.message(err) + " / " + host.errorString; }

    FakeHost host;
    int classRow = 0;
    KsTagItem *list = nullptr;
    KsTagItem *cursor = nullptr;
};

TEST_F(Conversion, OpenIsTheWindowsOwn)
{
    EXPECT_EQ(fl_find_attribute(FL_CLASS_DIALOG, "Open", FL_ACCESS_INIT), nullptr);
    EXPECT_NE(fl_find_attribute(FL_CLASS_DIALOG, "Title", FL_ACCESS_INIT), nullptr);
    ASSERT_EQ(apply(FL_CLASS_WINDOW, "open", "false"), 0);
    EXPECT_EQ(list[0].tag, 0x80428AA0u);
    EXPECT_EQ(data(), 0);
    ASSERT_EQ(fl_apply_class_defaults(FL_CLASS_WINDOW, list, &cursor, 1), 0);
    EXPECT_EQ(item(0x80428AA0)->data, 0u) << "the given value stays; no second Open item";

    // A dialog gets every Fixed window row but "Open".
    fl_free_tag_list(classRow, list);
    classRow = FL_CLASS_DIALOG;
    ASSERT_EQ(fl_begin_tag_list(FL_CLASS_DIALOG, 0, &list), 0);
    cursor = list;
    ASSERT_EQ(fl_apply_class_defaults(FL_CLASS_DIALOG, list, &cursor, 1), 0);
    EXPECT_EQ(item(0x80428AA0), nullptr);
    ASSERT_NE(item(0x804280CF), nullptr);
    EXPECT_EQ(item(0x804280CF)->data, 1u);
    EXPECT_EQ(cursor - list, 6) << "Fixed window rows: root, title, and four nameless";
}

TEST_F(Conversion, WindowPositionsAndSizes)
{
    struct Case {
        const char *name, *value;
        int32_t expected;
    } cases[] = {
        {"Width", "Screen:50", -250}, {"Height", "screen:0", -200}, {"Width", "Default", -1001},
        {"Width", "50", 50},          {"Top", "Delta:10", -13},     {"Top", "Centered", -1},
        {"Left", "-5", -5},           {"Left", "Moused", -2},       {"Top", "-7", -7},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(apply(FL_CLASS_WINDOW, c.name, c.value), 0) << c.name << "=" << c.value;
        EXPECT_EQ(data(), c.expected) << c.name << "=" << c.value;
    }
    const char *unknown[][2] = {{"Width", "Screenx"}, {"Left", "-"}, {"Width", "Screen"}, {"Left", "Delta:1"}};
    for (auto &u : unknown) {
        int err = apply(FL_CLASS_WINDOW, u[0], u[1]);
        EXPECT_EQ(err, fl_error(FL_ERR_UNKNOWN_VALUE)) << u[0] << "=" << u[1];
        EXPECT_EQ(host.errorString, u[1]);
        EXPECT_EQ(cursor, list) << "a failed conversion appends nothing";
    }
}

TEST_F(Conversion, FlagSets)
{
    const MethodRow *search = fl_find_method(FL_CLASS_HTMLVIEW, "Search");
    ASSERT_NE(search, nullptr);
    const EnumEntry *flags = fl_names(search->params[1]);
    struct Case {
        const char *text;
        int32_t expected;
    } cases[] = {{"CaseSensitive; Backwards", 5}, {"0", 0}, {"CaseSensitive;", 1}, {"backwards", 4},
                 {"CaseSensitive;  ", 1},         {"", 0},  {"0;Backwards", 4}};
    for (const Case &c : cases) {
        int32_t out = -1;
        EXPECT_EQ(fl_flag_set(flags, c.text, &out), 0) << c.text;
        EXPECT_EQ(out, c.expected) << c.text;
    }
    int32_t out = 0;
    EXPECT_EQ(fl_flag_set(flags, "CaseSensitive;;Backwards", &out), fl_error(FL_ERR_UNKNOWN_VALUE));
    EXPECT_EQ(host.errorString, "");
    EXPECT_EQ(fl_flag_set(flags, "CaseSensitive ;Backwards", &out), fl_error(FL_ERR_UNKNOWN_VALUE));
    EXPECT_EQ(host.errorString, "CaseSensitive ");
    // The accelerator item's modifiers are a FlagSet attribute.
    ASSERT_EQ(apply(FL_CLASS_ACCELERATOR_ITEM, "Mod", "Ctrl;Shift"), 0);
    EXPECT_EQ(data(), 9);
}

TEST_F(Conversion, Booleans)
{
    struct Case {
        int row;
        const char *name, *value;
        int32_t expected;
    } cases[] = {
        {FL_CLASS_WINDOW, "CloseGadget", "YES", 1}, {FL_CLASS_WINDOW, "CloseGadget", "Off", 0},
        {FL_CLASS_WINDOW, "CloseGadget", "2", 2},   {FL_CLASS_WINDOW, "CloseGadget", "maybe", 0},
        {FL_CLASS_BUTTON, "Hide", "2", 0},          {FL_CLASS_BUTTON, "Hide", "0", 1},
        {FL_CLASS_BUTTON, "Hide", "true", 0},       {FL_CLASS_MENU, "Disabled", "no", 1},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(apply(c.row, c.name, c.value), 0) << c.name << "=" << c.value;
        EXPECT_EQ(data(), c.expected) << c.name << "=" << c.value;
    }
}

TEST_F(Conversion, Colors)
{
    ASSERT_EQ(apply(FL_CLASS_VGROUP, "Color", "#FF8000"), 0);
    EXPECT_EQ(list[0].tag, FL_TAG_BACKGROUND);
    EXPECT_STREQ(text(), "2:ffffffff,80808080,00000000");
    ASSERT_EQ(apply(FL_CLASS_VGROUP, "color", "FF8000"), fl_error(FL_ERR_INVALID_COLOR));
    ASSERT_EQ(apply(FL_CLASS_VGROUP, "color", "#"), fl_error(FL_ERR_INVALID_COLOR));
    // Any other colour is a record of three components.
    AttributeRow rgb = *fl_find_attribute(FL_CLASS_POPCOLOR, "RGB", FL_ACCESS_INIT);
    classRow = FL_CLASS_POPCOLOR;
    fl_free_tag_list(FL_CLASS_VGROUP, list);
    ASSERT_EQ(fl_begin_tag_list(FL_CLASS_POPCOLOR, 1, &list), 0);
    cursor = list;
    ASSERT_EQ(fl_apply_xml_attribute(&cursor, &rgb, "#FF8000"), 0);
    const auto *components = reinterpret_cast<const uint32_t *>(list[0].data);
    EXPECT_EQ(components[0], 0xFFFFFFFFu);
    EXPECT_EQ(components[1], 0x80808080u);
    EXPECT_EQ(components[2], 0x00000000u);
    EXPECT_EQ(fl_collect_color(components), 0xFF8000u);
}

TEST_F(Conversion, TitleAndMenuDefaults)
{
    classRow = FL_CLASS_WINDOW;
    ASSERT_EQ(fl_begin_tag_list(FL_CLASS_WINDOW, 0, &list), 0);
    cursor = list;
    ASSERT_EQ(fl_apply_class_defaults(FL_CLASS_WINDOW, list, &cursor, 1), 0);
    EXPECT_STREQ(reinterpret_cast<const char *>(item(0x8042AD3D)->data), "Test Program");
    EXPECT_EQ(item(0x80428AA0)->data, 1u) << "windows open by default";

    host.title = "";
    ASSERT_EQ(apply(FL_CLASS_WINDOW, "Title", ":::apptitle:::"), 0);
    EXPECT_STREQ(text(), "Ferrolin");
    host.title = "Caf\xC3\xA9";
    ASSERT_EQ(apply(FL_CLASS_WINDOW, "Title", ":::apptitle:::"), 0);
    EXPECT_STREQ(text(), "Caf\xE9") << "converted from UTF-8 in UTF-8 mode";

    fl_free_tag_list(classRow, list);
    classRow = FL_CLASS_MENU;
    ASSERT_EQ(fl_begin_tag_list(FL_CLASS_MENU, 0, &list), 0);
    cursor = list;
    ASSERT_EQ(fl_apply_class_defaults(FL_CLASS_MENU, list, &cursor, 1), 0);
    EXPECT_STREQ(reinterpret_cast<const char *>(item(0x8042A0E3)->data), "Unnamed");
}

TEST_F(Conversion, SingleLineTexts)
{
    EXPECT_EQ(apply(FL_CLASS_WINDOW, "Title", "two\nlines"), fl_error(FL_ERR_INVALID_ELEMENT_CHARACTERS));
    EXPECT_EQ(apply(FL_CLASS_WINDOW, "Title", "tab\there"), fl_error(FL_ERR_INVALID_ELEMENT_CHARACTERS));
    ASSERT_EQ(apply(FL_CLASS_BUTTON, "Tooltip", "two\nlines"), 0) << "a tooltip may have several lines";
    EXPECT_STREQ(text(), "two\nlines");
}

TEST_F(Conversion, RequiredAttributes)
{
    classRow = FL_CLASS_SCROLLCANVAS;
    ASSERT_EQ(fl_begin_tag_list(FL_CLASS_SCROLLCANVAS, 1, &list), 0);
    cursor = list;
    ASSERT_EQ(fl_apply_xml_attribute(&cursor, fl_find_attribute(classRow, "virtheight", FL_ACCESS_INIT), "10"), 0);
    int err = fl_apply_class_defaults(FL_CLASS_SCROLLCANVAS, list, &cursor, 7);
    EXPECT_EQ(err, fl_error(FL_ERR_ATTRIBUTE_REQUIRED));
    EXPECT_EQ(host.errorString, "\"VirtWidth\" (line 7)");
}

TEST_F(Conversion, ChoicesAndNumbers)
{
    ASSERT_EQ(apply(FL_CLASS_PAGEVIEW, "Position", "bottom"), 0);
    EXPECT_EQ(data(), 1);
    EXPECT_EQ(apply(FL_CLASS_PAGEVIEW, "Position", "Middle"), fl_error(FL_ERR_UNKNOWN_VALUE));
    EXPECT_EQ(host.errorString, "Middle");
    ASSERT_EQ(apply(FL_CLASS_PAGEVIEW, "Active", "Next"), 0);
    EXPECT_EQ(data(), -3);
    ASSERT_EQ(apply(FL_CLASS_SLIDER, "Min", "-12"), 0);
    EXPECT_EQ(data(), -12);
    ASSERT_EQ(apply(FL_CLASS_SLIDER, "Max", "4294967295"), 0);
    EXPECT_EQ(data(), -1);
}

TEST_F(Conversion, BrushNumbers)
{
    ASSERT_EQ(apply(FL_CLASS_BUTTON, "Icon", "3"), 0);
    EXPECT_EQ(data(), 3);
    host.brushesReadable = false;
    EXPECT_EQ(apply(FL_CLASS_BUTTON, "Icon", "4"), fl_error(FL_ERR_BRUSH_DATA));
    EXPECT_EQ(host.errorNumber, 4);
}

TEST(ScriptNumbers, TruncationAndWrapping)
{
    struct Case {
        double value;
        int32_t expected;
    } cases[] = {
        {4294967295.0, int32_t(0xFFFFFFFF)}, {2147483648.0, INT32_MIN}, {2147483647.0, INT32_MAX},
        {1.9, 1},                            {-1.9, -1},                 {4294967296.0 + 5, 5},
        {-2147483648.0, INT32_MIN},          {-2147483649.0, INT32_MAX}, {NAN, 0},
        {INFINITY, 0},                       {0.0, 0},
    };
    for (const Case &c : cases) EXPECT_EQ(fl_script_number(c.value), c.expected) << c.value;
}

TEST(ScriptNumbers, Colors)
{
    uint32_t components[3];
    fl_spread_color(0x12AB00, components);
    EXPECT_EQ(components[0], 0x12121212u);
    EXPECT_EQ(components[1], 0xABABABABu);
    EXPECT_EQ(components[2], 0u);
    EXPECT_EQ(fl_collect_color(components), 0x12AB00u);
}

TEST_F(Conversion, TextEncoding)
{
    char *latin = fl_utf8_to_system("Gr\xC3\xBC\xC3\x9F" "e", 7);
    EXPECT_STREQ(latin, "Gr\xFC\xDF" "e");
    char *back = fl_system_to_utf8(latin);
    EXPECT_STREQ(back, "Gr\xC3\xBC\xC3\x9F" "e");
    host.system.freeMem(latin);
    host.system.freeMem(back);
    // What the host cannot convert is decoded by the fallback, within the given length.
    char *fallback = fl_utf8_to_system("a\xE2\x82\xAC", 3);
    EXPECT_STREQ(fallback, "a\x82");
    host.system.freeMem(fallback);
    EXPECT_FALSE(fl_has_high_bytes("plain"));
    EXPECT_TRUE(fl_has_high_bytes("\x80"));
}

} // namespace
