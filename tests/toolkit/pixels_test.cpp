// Pixel formats, blending, bitmaps, blits, pixel arrays and palette pens.
#include "fixture.h"

namespace tk::test {
namespace {

struct PackCase {
    uint32_t rgb;
    int format;
    uint32_t packed;
};

TEST(Pixels, PackColourIntoEveryFormat)
{
    const PackCase cases[] = {
        {0x123456, kPixRgb16, 0x11AA},     {0x123456, kPixRgb15, 0x88CA},     {0x123456, kPixBgra32, 0x563412FF},
        {0x123456, kPixBgr15, 0xA8C2},     {0x123456, kPixRgb15Pc, 0xCA88},   {0x123456, kPixBgr16, 0x51A2},
        {0x123456, kPixRgb16Pc, 0xAA11},   {0x123456, kPixRgb24, 0x123456},   {0x123456, kPixBgr24, 0x563412},
        {0x123456, kPixArgb32, 0xFF123456}, {0x123456, kPixRgba32, 0x123456FF}, {0x000000, kPixRgb15, 0x8000},
        {0x123456, kPixLut8, 0},           {0x123456, 14, 0},
    };
    for (const PackCase &c : cases) EXPECT_EQ(packColour(c.rgb, c.format), c.packed) << "format " << c.format;
}

TEST(Pixels, SixteenBitPixelsUnpackToRgb16AndBackToTheirColour)
{
    for (int format = kPixRgb15; format <= kPixBgr16Pc; ++format) {
        const uint32_t packed = packColour(0xF80000, format); // pure red survives every 16-bit layout
        EXPECT_EQ(unpackPixel16(format, uint16_t(packed)), 0xF800) << "format " << format;
        EXPECT_EQ(pixelToRgb(format, packed), 0xF80000u) << "format " << format;
    }
}

TEST(Pixels, BlendingFollowsTheAlpha)
{
    struct Case {
        int format;
        uint32_t before, argb, after; // colours as 0xRRGGBB
    } cases[] = {
        {kPixArgb32, 0x000000, 0x80FF8040, 0x7F4020}, // half over black: s * 128 >> 8
        {kPixArgb32, 0x102030, 0x00FFFFFF, 0x102030}, // alpha 0 keeps
        {kPixArgb32, 0x102030, 0xFF405060, 0x405060}, // alpha 255 replaces
        {kPixRgb24, 0x000000, 0x80FF8040, 0x7F4020},
        {kPixBgra32, 0xFFFFFF, 0x80000000, 0x7F7F7F},
        {kPixRgb16, 0x000000, 0x80F80000, 0x780000},
    };
    for (const Case &c : cases) {
        uint8_t pixel[4];
        storePixel(pixel, c.format, packColour(c.before, c.format));
        blendPixel(pixel, c.format, c.argb);
        EXPECT_EQ(pixelToRgb(c.format, loadPixel(pixel, c.format)), c.after) << "format " << c.format;
    }
    uint8_t rgba[4];
    storePixel(rgba, kPixRgba32, packColour(0, kPixRgba32));
    blendPixel(rgba, kPixRgba32, 0x80FFFFFF);
    EXPECT_EQ(rgba[3], 255) << "a mixed RGBA32 pixel is opaque";
    uint8_t argb[4];
    storePixel(argb, kPixArgb32, packColour(0, kPixArgb32));
    blendPixel(argb, kPixArgb32, 0x80FFFFFF);
    EXPECT_EQ(argb[0], 0) << "a mixed ARGB32 pixel has alpha 0";
}

// The primitives give the same colours in every true-colour format (as far
// as the format holds them), and leave everything outside alone.
TEST(Pixels, RectanglesLinesAndPixelsInSeveralFormats)
{
    for (int format : {kPixRgb15, kPixRgb16Pc, kPixBgr24, kPixArgb32, kPixRgba32}) {
        BitMap *bm = allocBitMap(20, 10, format);
        ASSERT_TRUE(bm);
        RastPort rp;
        rp.bitmap = bm;
        rectFill(&rp, 2, 2, 5, 4, 0xF80000);
        drawLine(&rp, 0, 9, 19, 9, 0x00FC00);
        drawLine(&rp, 10, 0, 13, 3, 0x0000F8);
        writePixel(&rp, 19, 0, 0xF8FCF8);
        EXPECT_EQ(readRgb(bm, 2, 2), 0xF80000u) << format;
        EXPECT_EQ(readRgb(bm, 5, 4), 0xF80000u) << format;
        EXPECT_EQ(readRgb(bm, 6, 4), 0u) << format;
        EXPECT_EQ(readRgb(bm, 17, 9), 0x00FC00u & (format == kPixRgb15 ? 0xF8F8F8u : 0xFFFFFFu)) << format;
        EXPECT_EQ(readRgb(bm, 12, 2), 0x0000F8u) << "diagonal " << format;
        EXPECT_EQ(readRgb(bm, 19, 0), 0xF8FCF8u & (format == kPixRgb15 ? 0xF8F8F8u : 0xFFFFFFu)) << format;
        freeBitMap(bm);
    }
}

TEST(Pixels, ClipRectanglesKeepDrawingInside)
{
    BitMap *bm = allocBitMap(10, 10, kPixArgb32);
    RastPort rp;
    rp.bitmap = bm;
    rp.clipRects = {Rect{0, 0, 5, 10}, Rect{8, 0, 2, 10}};
    rectFill(&rp, 0, 0, 9, 9, 0xFFFFFF);
    EXPECT_EQ(readRgb(bm, 4, 4), 0xFFFFFFu);
    EXPECT_EQ(readRgb(bm, 6, 4), 0u) << "between the clip rectangles";
    EXPECT_EQ(readRgb(bm, 9, 4), 0xFFFFFFu);
    pushLimit(&rp, Rect{0, 0, 2, 2});
    rectFill(&rp, 0, 0, 9, 9, 0x123456);
    popLimit(&rp);
    EXPECT_EQ(readRgb(bm, 1, 1), 0x123456u);
    EXPECT_EQ(readRgb(bm, 3, 3), 0xFFFFFFu) << "outside the limit";
    freeBitMap(bm);
}

TEST(Pixels, BlitsCopyConvertAndMask)
{
    BitMap *src = allocBitMap(8, 2, kPixRgb16);
    BitMap *dst = allocBitMap(8, 2, kPixArgb32);
    RastPort srp;
    srp.bitmap = src;
    rectFill(&srp, 0, 0, 7, 1, 0xF80000);
    EXPECT_EQ(bltBitMap(src, 0, 0, dst, 0, 0, 8, 2, 0xC0), 0);
    EXPECT_EQ(readRgb(dst, 7, 1), 0xF80000u) << "converted from RGB16";
    EXPECT_EQ(bltBitMap(src, 0, 0, dst, 0, 0, 8, 2, 0x42), kErrUnsupported);
    // The mask lets every other pixel through.
    RastPort drp;
    drp.bitmap = dst;
    rectFill(&drp, 0, 0, 7, 1, 0x0000FF);
    const uint8_t mask[2] = {0xAA, 0xAA};
    EXPECT_EQ(bltMaskBitMapRastPort(src, 0, 0, &drp, 0, 0, 8, 2, 0xE0, mask, 1), 0);
    EXPECT_EQ(readRgb(dst, 0, 0), 0xF80000u);
    EXPECT_EQ(readRgb(dst, 1, 0), 0x0000FFu) << "masked out";
    EXPECT_EQ(bltMaskBitMapRastPort(src, 0, 0, &drp, 0, 0, 8, 2, 0xC0, mask, 1), kErrUnsupported);
    freeBitMap(src);
    freeBitMap(dst);
}

TEST(Pixels, PixelArraysAreConvertedAndMasked)
{
    BitMap *dst = allocBitMap(4, 1, kPixRgb24);
    RastPort rp;
    rp.bitmap = dst;
    const uint32_t argb[4] = {0xFF112233, 0x00445566, 0xFF778899, 0x80AABBCC};
    EXPECT_EQ(writeArgbPixels(&rp, argb, 0, 0, 4, 0, 0, 4, 1), 0);
    EXPECT_EQ(readRgb(dst, 1, 0), 0x445566u) << "written as it is, alpha ignored";
    // Big-endian BGR15 source with the second pixel masked out.
    uint8_t raw[8];
    for (int i = 0; i < 4; ++i) storePixel(raw + 2 * i, kPixBgr15, packColour(0x0000F8, kPixBgr15));
    const uint8_t mask[1] = {0xB0};
    EXPECT_EQ(writePixelArray(&rp, raw, kPixBgr15, 8, 0, 0, 0, 0, 4, 1, mask, 1), 0);
    EXPECT_EQ(readRgb(dst, 0, 0), 0x0000F8u);
    EXPECT_EQ(readRgb(dst, 1, 0), 0x445566u) << "masked out";
    EXPECT_EQ(readRgb(dst, 3, 0), 0x0000F8u);
    EXPECT_EQ(writePixelArray(&rp, raw, kPixLut8, 8, 0, 0, 0, 0, 4, 1), kErrUnsupported);
    BitMapLock lock;
    ASSERT_EQ(lockBitMap(dst, &lock), 0);
    EXPECT_EQ(lock.bytesPerRow, 12);
    EXPECT_EQ(lock.format, kPixRgb24);
    EXPECT_EQ(lock.address[0], 0x00);
    EXPECT_EQ(lock.address[2], 0xF8) << "the blue byte of pixel 0";
    unlockBitMap(dst);
    freeBitMap(dst);
}

TEST(Pixels, PalettePensAreSharedCountedAndReleased)
{
    ColourMap map;
    initColourMap(&map, 4); // 16 pens
    const int fixed = pensInUse(&map);
    const int red = obtainBestPen(&map, 0xFF0000);
    EXPECT_EQ(obtainBestPen(&map, 0xFF0000), red) << "the same colour shares its pen";
    EXPECT_EQ(map.users[red], 2);
    // Fill the map: the next colour gets the nearest pen.
    std::vector<int> pens;
    for (int i = 0; pensInUse(&map) < map.size; ++i) pens.push_back(obtainBestPen(&map, 0x000100u * uint32_t(i + 1)));
    EXPECT_EQ(obtainBestPen(&map, 0xFE0000), red) << "nearest when none is free";
    releasePen(&map, red);
    releasePen(&map, red);
    releasePen(&map, red);
    for (int p : pens) releasePen(&map, p);
    EXPECT_EQ(pensInUse(&map), fixed) << "every pen back";

    PaletteContext *context = createPaletteContext(&map);
    BitMap *bm = allocBitMap(2, 1, kPixLut8, &map);
    RastPort rp;
    rp.bitmap = bm;
    const uint32_t picture[2] = {0xFF00C000, 0x10FFFFFF};
    EXPECT_EQ(drawArgbPalette(context, &rp, picture, 0, 0, 2, 0, 0, 2, 1), 0);
    EXPECT_EQ(readRgb(bm, 0, 0), 0x00C000u);
    EXPECT_EQ(pensInUse(&map), fixed + 1);
    freePaletteContext(context);
    EXPECT_EQ(pensInUse(&map), fixed) << "released with the context";
    freeBitMap(bm);
}

TEST(Pixels, InlineImagesAreKeysNotAddresses)
{
    resetWorld();
    const uint32_t pixels[4] = {1, 2, 3, 4};
    const uint32_t a = registerImage(2, 2, pixels, 2), b = registerImage(1, 1, pixels, 1);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_LT(a, 0x10000u) << "small keys";
    ASSERT_TRUE(findImage(a));
    EXPECT_EQ(findImage(a)->argb[3], 4u);
    EXPECT_TRUE(unregisterImage(a));
    EXPECT_FALSE(findImage(a));
    EXPECT_NE(registerImage(1, 1, pixels, 1), a) << "keys are not reused";
    EXPECT_EQ(registerImage(0, 1, pixels, 1), 0u);
    resetWorld();
}

} // namespace
} // namespace tk::test
