// The conversions between the engine's UTF-16 and script UTF-8, case by case.
#include "../../sorvane/reading/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string bytes_of(std::initializer_list<uint16_t> units)
{
    std::string out;
    for (uint16_t u : units) {
        out += char(u & 0xFF);
        out += char(u >> 8);
    }
    return out;
}

struct ToUtf8Case {
    const char *what;
    std::string input; // UTF-16LE bytes
    size_t capacity;
    std::string expected;
};

class ToUtf8 : public ::testing::TestWithParam<ToUtf8Case> {};

TEST_P(ToUtf8, Converts)
{
    const ToUtf8Case &c = GetParam();
    std::vector<char> out(c.capacity + 4, '#');
    size_t written = sv_utf16le_to_utf8(c.input.data(), c.input.size(), out.data(), c.capacity);
    EXPECT_EQ(std::string(out.data(), written), c.expected) << c.what;
    if (c.capacity > 0) {
        EXPECT_EQ(out[written], '\0') << c.what << ": terminated";
    }
    for (size_t i = c.capacity; i < out.size(); i++) EXPECT_EQ(out[i], '#') << c.what << ": beyond the capacity";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf8,
    ::testing::Values(
        ToUtf8Case{"ascii", bytes_of({'A', 'b', '~'}), 64, "Ab~"},
        ToUtf8Case{"one unit is enough", bytes_of({'A'}), 64, "A"},
        ToUtf8Case{"empty", "", 64, ""},
        ToUtf8Case{"last one-byte", bytes_of({0x7F}), 64, "\x7F"},
        ToUtf8Case{"two bytes", bytes_of({0xE9, 0x7FF}), 64, "\xC3\xA9\xDF\xBF"},
        ToUtf8Case{"three bytes", bytes_of({0x800, 0x20AC, 0xFFFF}), 64, "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF"},
        ToUtf8Case{"surrogate pair", bytes_of({'x', 0xD835, 0xDC00, 'y'}), 64, "x\xF0\x9D\x90\x80y"},
        ToUtf8Case{"highest code point", bytes_of({0xDBFF, 0xDFFF}), 64, "\xF4\x8F\xBF\xBF"},
        ToUtf8Case{"lowest pair", bytes_of({0xD800, 0xDC00}), 64, "\xF0\x90\x80\x80"},
        ToUtf8Case{"lone high surrogate stops", bytes_of({'a', 0xD800, 'b', 'c'}), 64, "a"},
        ToUtf8Case{"two high surrogates stop", bytes_of({'a', 0xD800, 0xD800, 0xDC00}), 64, "a"},
        ToUtf8Case{"high surrogate as last unit dropped", bytes_of({'a', 'b', 0xDBFF}), 64, "ab"},
        ToUtf8Case{"lone low surrogate stops", bytes_of({'a', 0xDC00, 'b'}), 64, "a"},
        ToUtf8Case{"odd byte count loses the last byte", std::string("A\0B", 3), 64, "A"},
        ToUtf8Case{"single byte is no unit", std::string("A", 1), 64, ""},
        ToUtf8Case{"zero unit passes through", bytes_of({'A', 0, 'B'}), 64, std::string("A\0B", 3)},
        ToUtf8Case{"capacity 5 gets nothing", bytes_of({'A', 'B'}), 5, ""},
        ToUtf8Case{"capacity 6 gets one", bytes_of({'A', 'B'}), 6, "A"},
        ToUtf8Case{"capacity 7 gets two", bytes_of({'A', 'B', 'C'}), 7, "AB"},
        ToUtf8Case{"a pair needs six bytes of room", bytes_of({0xD835, 0xDC00, 0xD835, 0xDC00}), 9,
                   "\xF0\x9D\x90\x80"},
        ToUtf8Case{"capacity 0 writes nothing", bytes_of({'A'}), 0, ""}),
    [](const ::testing::TestParamInfo<ToUtf8Case> &info) { return "case" + std::to_string(info.index); });

struct ToUtf16Case {
    const char *what;
    std::string input; // UTF-8 bytes
    size_t capacity;   // units
    std::vector<uint16_t> expected;
};

class ToUtf16 : public ::testing::TestWithParam<ToUtf16Case> {};

TEST_P(ToUtf16, Converts)
{
    const ToUtf16Case &c = GetParam();
    std::vector<uint16_t> out(c.capacity + 2, 0xAAAA);
    size_t written = sv_utf8_to_utf16(c.input.data(), c.input.size(), out.data(), c.capacity);
    EXPECT_EQ(std::vector<uint16_t>(out.begin(), out.begin() + long(written)), c.expected) << c.what;
    if (c.capacity > 0) {
        EXPECT_EQ(out[written], 0) << c.what << ": terminated";
    }
    for (size_t i = c.capacity; i < out.size(); i++) EXPECT_EQ(out[i], 0xAAAA) << c.what << ": beyond the capacity";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf16,
    ::testing::Values(
        ToUtf16Case{"ascii", "cat", 16, {'c', 'a', 't'}},
        ToUtf16Case{"empty", "", 16, {}},
        ToUtf16Case{"two bytes", "\xC3\xA9\xDF\xBF", 16, {0xE9, 0x7FF}},
        ToUtf16Case{"three bytes", "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF", 16, {0x800, 0x20AC, 0xFFFF}},
        ToUtf16Case{"surrogate pair", "x\xF0\x9D\x90\x80y", 16, {'x', 0xD835, 0xDC00, 'y'}},
        ToUtf16Case{"highest code point", "\xF4\x8F\xBF\xBF", 16, {0xDBFF, 0xDFFF}},
        ToUtf16Case{"above the highest code point", "a\xF4\x90\x80\x80", 16, {'a'}},
        ToUtf16Case{"lead byte 0xF5", "a\xF5\x80\x80\x80", 16, {'a'}},
        ToUtf16Case{"lead byte above 0xF7", "a\xF8\x88\x80\x80\x80", 16, {'a'}},
        ToUtf16Case{"stray continuation byte", "a\x80" "b", 16, {'a'}},
        ToUtf16Case{"truncated by the end", "ab\xE2\x82", 16, {'a', 'b'}},
        ToUtf16Case{"truncated four-byte sequence", "a\xF0\x9D\x90", 16, {'a'}},
        ToUtf16Case{"truncated by a new character", "a\xE2(b", 16, {'a'}},
        ToUtf16Case{"overlong two bytes", "a\xC0\xAF", 16, {'a'}},
        ToUtf16Case{"overlong three bytes", "a\xE0\x80\xAF", 16, {'a'}},
        ToUtf16Case{"overlong four bytes", "a\xF0\x8F\xBF\xBF", 16, {'a'}},
        ToUtf16Case{"encoded surrogate", "a\xED\xA0\x80", 16, {'a'}},
        ToUtf16Case{"buffer too small", "abc", 3, {'a', 'b'}},
        ToUtf16Case{"room for the terminator only", "abc", 1, {}},
        ToUtf16Case{"pair does not fit beside the terminator", "a\xF0\x9D\x90\x80", 3, {'a'}},
        ToUtf16Case{"pair fits exactly", "a\xF0\x9D\x90\x80", 4, {'a', 0xD835, 0xDC00}},
        ToUtf16Case{"capacity 0 writes nothing", "abc", 0, {}}),
    [](const ::testing::TestParamInfo<ToUtf16Case> &info) { return "case" + std::to_string(info.index); });

// Text outside the Basic Multilingual Plane survives the way out and back.
TEST(RoundTrip, AllPlanes)
{
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x90\x80\xF4\x8F\xBF\xBF";
    uint16_t units[16];
    size_t n = sv_utf8_to_utf16(text.data(), text.size(), units, 16);
    ASSERT_EQ(n, 7u);
    std::string le;
    for (size_t i = 0; i < n; i++) {
        le += char(units[i] & 0xFF);
        le += char(units[i] >> 8);
    }
    char back[64];
    size_t written = sv_utf16le_to_utf8(le.data(), le.size(), back, sizeof back);
    EXPECT_EQ(std::string(back, written), text);
}

} // namespace
