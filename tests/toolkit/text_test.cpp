// The text engine: codes, lines that start plain, the shortcut mark, inline
// images, measuring and drawing with the fixed fonts.
#include "fixture.h"

namespace tk::test {
namespace {

TEST(TextCodes, StylesColoursAndAlignmentBecomeRuns)
{
    const auto lines = parseText("a\033bb\033ic\033nd\033P[ff8000]e\033rf", false);
    ASSERT_EQ(lines.size(), 1u);
    const auto &r = lines[0].runs;
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].text, "a");
    EXPECT_TRUE(r[1].bold);
    EXPECT_EQ(r[1].text, "b");
    EXPECT_TRUE(r[2].bold && r[2].italic);
    EXPECT_FALSE(r[3].bold || r[3].italic || r[3].underline) << "\\en switches all three off";
    EXPECT_TRUE(r[4].coloured);
    EXPECT_EQ(r[4].colour, 0xFF8000u);
    EXPECT_EQ(r[4].text, "ef") << "alignment codes do not split runs";
    EXPECT_EQ(lines[0].align, kAlignRight);
}

TEST(TextCodes, EveryLineStartsPlain)
{
    const auto lines = parseText("\033c\033b\033u\033P[112233]one\ntwo", false);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].align, kAlignCentre);
    EXPECT_TRUE(lines[0].runs[0].bold && lines[0].runs[0].underline && lines[0].runs[0].coloured);
    EXPECT_EQ(lines[1].align, kAlignLeft);
    const TextRun &two = lines[1].runs[0];
    EXPECT_FALSE(two.bold || two.underline || two.coloured);
}

struct SkipCase {
    const char *text;
    const char *shown;
};

TEST(TextCodes, UnknownAndMalformedCodesAreSkipped)
{
    const SkipCase cases[] = {
        {"a\033xb", "ab"},              // unknown letter
        {"a\0338b", "ab"},              // a pen number
        {"a\033I[6:12]b", "ab"},        // unknown code with an argument
        {"a\033P[12345]b", "ab"},       // colour with five digits: dropped whole
        {"a\033A[xyz]b", "ab"},         // image without hexadecimal digits
        {"a\033", "a"},                 // escape at the end
        {"tab\there", "tab here"},
    };
    for (const SkipCase &c : cases) EXPECT_EQ(shownText(c.text, false), c.shown) << c.text;
}

TEST(TextCodes, TheFirstUnderscoreMarksTheShortcut)
{
    const auto lines = parseText("Save _as_ file", true);
    ASSERT_EQ(lines[0].runs.size(), 3u);
    EXPECT_EQ(lines[0].runs[1].text, "a");
    EXPECT_TRUE(lines[0].runs[1].shortcut && lines[0].runs[1].underline);
    EXPECT_EQ(shownText("Save _as_ file", true), "Save as_ file") << "only the first one";
    EXPECT_EQ(shownText("Save _as", false), "Save _as") << "without marking it is a character";
}

TEST(TextCodes, ImageCodesNameRegisteredImages)
{
    resetWorld();
    const uint32_t pixels[12 * 20] = {};
    const uint32_t key = registerImage(12, 20, pixels, 12);
    char text[64];
    snprintf(text, sizeof text, "\033A[%08x] x \033O[%08x]", key, key);
    const auto lines = parseText(text, false);
    ASSERT_EQ(lines[0].runs.size(), 3u);
    EXPECT_EQ(lines[0].runs[0].image, key);
    EXPECT_FALSE(lines[0].runs[0].listImage);
    EXPECT_TRUE(lines[0].runs[2].listImage);
    TextOptions o;
    const TextExtent with = measureText(text, o), without = measureText(" x ", o);
    EXPECT_EQ(with.width, without.width + 2 * (12 + 2));
    EXPECT_EQ(with.height, 20) << "the image is taller than the font";
    resetWorld();
}

TEST(TextMeasure, FixedFontsMeasureTheSameEveryTime)
{
    TextOptions o;
    const TextExtent plain = measureText("Hello", o);
    EXPECT_EQ(plain.height, fontHeight(kFontNormal));
    EXPECT_GT(plain.width, 20);
    EXPECT_LT(plain.width, 60);
    EXPECT_GT(measureText("\033bHello", o).width, plain.width) << "bold is wider";
    EXPECT_EQ(measureText("one\ntwo\nthree", o).height, 3 * fontHeight(kFontNormal));
    EXPECT_EQ(measureText("Hello", o).width, plain.width);
    o.font = kFontFixed;
    EXPECT_EQ(measureText("iiii", o).width, measureText("WWWW", o).width) << "the fixed font";
}

// Text drawn into a white bitmap: ink inside the box, none outside, the
// colour code's colour where that run is, the underline under the shortcut.
TEST(TextDraw, InkStaysInTheBoxInTheRunsColour)
{
    BitMap *bm = allocBitMap(120, 30, kPixArgb32);
    RastPort rp;
    rp.bitmap = bm;
    rectFill(&rp, 0, 0, 119, 29, 0xFFFFFF);
    TextOptions o;
    o.markShortcut = true;
    drawText(&rp, Rect{10, 5, 100, 20}, "_Go \033P[ff0000]RED", o);
    bool outside = false, red = false, black = false;
    int underline = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint32_t c = readRgb(bm, x, y);
            if (c == 0xFFFFFF) continue;
            if (!Rect{10, 5, 100, 20}.contains(x, y)) outside = true;
            if (c == 0xFF0000) red = true;
            if (c == 0x000000) black = true;
        }
    // The shortcut's underline: a row of ink below the "G" across several pixels.
    for (int y = 18; y < 25; ++y) {
        int run = 0;
        for (int x = 10; x < 22; ++x) run = readRgb(bm, x, y) != 0xFFFFFF ? run + 1 : run;
        underline = std::max(underline, run);
    }
    EXPECT_FALSE(outside);
    EXPECT_TRUE(red);
    EXPECT_TRUE(black);
    EXPECT_GE(underline, 6);
    freeBitMap(bm);
}

TEST(TextDraw, PaletteBitmapsGetSolidPens)
{
    ColourMap map;
    initColourMap(&map, 8);
    BitMap *bm = allocBitMap(60, 20, kPixLut8, &map);
    PenSet pens;
    pens.map = &map;
    RastPort rp;
    rp.bitmap = bm;
    rp.pens = &pens;
    rectFill(&rp, 0, 0, 59, 19, 0xFFFFFF);
    TextOptions o;
    o.colour = 0x00A000;
    drawText(&rp, Rect{0, 0, 60, 20}, "Wm", o);
    int ink = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const uint32_t c = readRgb(bm, x, y);
            EXPECT_TRUE(c == 0xFFFFFF || c == 0x00A000) << "no mixed colours on a palette screen";
            ink += c == 0x00A000;
        }
    EXPECT_GT(ink, 10);
    pens.releaseAll();
    freeBitMap(bm);
}

} // namespace
} // namespace tk::test
