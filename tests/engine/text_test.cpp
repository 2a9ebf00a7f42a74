// Text extraction and search through the binding.
#include "engine.h"
#include "fixtures.h"
#include "support.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace engine;

constexpr unsigned short kCanary = 0xEEEE;

class Text : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        ASSERT_NE(doc, 0u);
        page = FPDF_LoadPage(doc, 0);
        ASSERT_NE(page, 0u);
        text = FPDFText_LoadPage(page);
        ASSERT_NE(text, 0u);
    }
    Handle doc = 0, page = 0, text = 0;
    const int length = static_cast<int>(std::strlen(fixtures::kPageOneText));
};

TEST_F(Text, CountsAndExtractsCharacters) {
    EXPECT_EQ(FPDFText_CountChars(text), length);
    EXPECT_EQ(FPDFText_CountTextChars(text), length);

    struct {
        int start, count;
        int written; // units including the terminator, 0 for a refused range
        std::string expected;
    } cases[] = {
        {0, length, length + 1, fixtures::kPageOneText},
        {6, 6, 7, "engine"},
        {13, 100, 6, "world"}, // clipped to the characters left
        {100, 5, 0, ""},
        {-1, 5, 0, ""},
        {0, -1, 0, ""},
    };
    for (const auto &c : cases) {
        std::vector<unsigned short> buffer(64, kCanary);
        int written = FPDFText_GetText(text, c.start, c.count, buffer.data());
        EXPECT_EQ(written, c.written) << c.start << "+" << c.count;
        if (c.written > 0) {
            EXPECT_EQ(support::narrow(buffer.data(), buffer.size()), c.expected);
            EXPECT_EQ(buffer[c.written - 1], 0);
        }
        // Nothing beyond what the engine wrote reaches the caller's memory.
        EXPECT_EQ(buffer[c.written], kCanary) << c.start << "+" << c.count;
    }
}

TEST_F(Text, LocatesCharacters) {
    double left = 0, right = 0, bottom = 0, top = 0;
    ASSERT_TRUE(FPDFText_GetCharBox(text, 0, &left, &right, &bottom, &top));
    EXPECT_NEAR(left, 50, 3);
    EXPECT_LT(left, right);
    EXPECT_LT(bottom, top);
    EXPECT_NEAR(bottom, 300, 3);

    double x = 0, y = 0;
    EXPECT_NE(FPDFText_GetCharOrigin(text, 0, &x, &y), 0);
    EXPECT_NEAR(x, 50, 0.5);
    EXPECT_NEAR(y, 300, 0.5);

    double l6, r6, b6, t6;
    ASSERT_TRUE(FPDFText_GetCharBox(text, 6, &l6, &r6, &b6, &t6));
    EXPECT_EQ(FPDFText_GetCharIndexAtPos(text, (l6 + r6) / 2, (b6 + t6) / 2, 0, 0), 6);
    EXPECT_EQ(FPDFText_GetCharIndexAtPos(text, 5, 5, 1, 1), -1);

    int rects = FPDFText_CountRects(text, 0, length);
    ASSERT_GE(rects, 1);
    double rl = 0, rt = 0, rr = 0, rb = 0;
    EXPECT_TRUE(FPDFText_GetRect(text, 0, &rl, &rt, &rr, &rb));
    EXPECT_NEAR(rl, left, 1);
    EXPECT_GT(rt, rb);
    EXPECT_GT(rr, rl);
}

TEST_F(Text, ExtractsTextInsideARectangle) {
    int units = FPDFText_GetBoundedText(text, 0, 400, 300, 0, nullptr, 0);
    ASSERT_GE(units, length);
    std::vector<unsigned short> all(units + 8, kCanary);
    int written = FPDFText_GetBoundedText(text, 0, 400, 300, 0, all.data(), units + 1);
    EXPECT_EQ(written, units + 1);
    EXPECT_NE(support::narrow(all.data(), all.size()).find(fixtures::kPageOneText), std::string::npos);
    EXPECT_EQ(all[units + 1], kCanary);

    // A short buffer gets exactly as many units as it holds.
    std::vector<unsigned short> five(8, kCanary);
    EXPECT_EQ(FPDFText_GetBoundedText(text, 0, 400, 300, 0, five.data(), 5), 5);
    EXPECT_EQ(support::narrow(five.data(), 5), std::string(fixtures::kPageOneText, 5));
    EXPECT_EQ(five[5], kCanary);

    // A rectangle with no text in it.
    EXPECT_EQ(FPDFText_GetBoundedText(text, 0, 50, 50, 0, nullptr, 0), 0);
}

TEST_F(Text, SearchesForwardAndBack) {
    std::vector<unsigned short> o = support::utf16("o");
    Handle search = FPDFText_FindStart(text, o.data(), 0, 0);
    ASSERT_NE(search, 0u);
    const struct {
        int (*step)(Handle);
        int found, index;
    } steps[] = {
        {FPDFText_FindNext, 1, 4},  // "Hell|o"
        {FPDFText_FindNext, 1, 14}, // "w|orld"
        {FPDFText_FindPrev, 1, 4},
    };
    for (const auto &s : steps) {
        EXPECT_EQ(s.step(search), s.found);
        EXPECT_EQ(FPDFText_GetSchResultIndex(search), s.index);
        EXPECT_EQ(FPDFText_GetSchCount(search), 1);
    }
    FPDFText_FindClose(search);
    EXPECT_EQ(FPDFText_FindNext(search), 0); // closed: a dead handle

    struct {
        const char *what;
        unsigned long flags;
        int found;
    } cases[] = {{"engine", 0, 1}, {"ENGINE", 0, 1}, {"ENGINE", 1 /* match case */, 0}, {"missing", 0, 0}};
    for (const auto &c : cases) {
        std::vector<unsigned short> what = support::utf16(c.what);
        Handle s = FPDFText_FindStart(text, what.data(), c.flags, 0);
        ASSERT_NE(s, 0u) << c.what;
        EXPECT_EQ(FPDFText_FindNext(s), c.found) << c.what;
        if (c.found) {
            EXPECT_EQ(FPDFText_GetSchResultIndex(s), 6);
            EXPECT_EQ(FPDFText_GetSchCount(s), 6);
        }
        FPDFText_FindClose(s);
    }
}

} // namespace
