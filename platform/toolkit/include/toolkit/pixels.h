// Pixels: the formats a screen or bitmap can have, packing a colour into a
// format and reading it back, and the alpha blending used when an ARGB
// picture is drawn over what is already there.
//
// A pixel of a true-colour format is the packed value written with its most
// significant byte first (an RGB16 pixel 0x11AA is the bytes 0x11, 0xAA; the
// "PC" formats are the same values with their two bytes swapped). Palette
// bitmaps hold one byte per pixel: a pen of the screen's colour map.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tk {

enum PixelFormat : int {
    kPixLut8 = 0, // palette: one byte, a pen number
    kPixRgb15 = 1,
    kPixBgr15 = 2,
    kPixRgb15Pc = 3,
    kPixBgr15Pc = 4,
    kPixRgb16 = 5,
    kPixBgr16 = 6,
    kPixRgb16Pc = 7,
    kPixBgr16Pc = 8,
    kPixRgb24 = 9,
    kPixBgr24 = 10,
    kPixArgb32 = 11,
    kPixBgra32 = 12,
    kPixRgba32 = 13,
};

constexpr int kPixelFormatCount = 14;

// Bytes of one pixel: 1 for palette bitmaps, 2, 3 or 4; 0 for a number
// that is no format.
int bytesPerPixel(int format);
// The depth a format stands for (8, 15, 16, 24, 32), or 0.
int formatDepth(int format);
bool validFormat(int format);

// A colour 0xRRGGBB packed into a true-colour format. Palette and unknown
// formats pack to 0.
uint32_t packColour(uint32_t rgb, int format);
// A 16-bit pixel (formats 1 to 8, read most significant byte first) as an
// RGB16 value; other formats answer the value unchanged.
uint16_t unpackPixel16(int format, uint16_t value);
// A packed pixel of a true-colour format back to 0xRRGGBB. 16-bit channels
// widen by shifting (0x1F becomes 0xF8).
uint32_t pixelToRgb(int format, uint32_t value);

// Reads and writes one packed pixel at `at` (bytesPerPixel(format) bytes).
uint32_t loadPixel(const uint8_t *at, int format);
void storePixel(uint8_t *at, int format, uint32_t value);

// The 8-bit blend of one channel: d + ((s - d) * a >> 8).
inline int blendChannel(int s, int d, int a) { return d + (((s - d) * a) >> 8); }

// Blends an ARGB source pixel over a true-colour destination pixel stored
// at `at`: alpha 0 leaves it, 255 replaces it, anything between mixes each
// channel. 32-bit destinations get alpha 255 (RGBA32) or 0 (ARGB32, BGRA32)
// in a mixed pixel.
void blendPixel(uint8_t *at, int format, uint32_t argb);

// Blends a block of ARGB pixels into a block of true-colour pixels:
// `srcMod` and `dstMod` are row lengths in pixels.
void blendArgb(const uint32_t *src, int srcX, int srcY, int srcMod, uint8_t *dst, int dstX, int dstY, int dstMod,
               int width, int height, int dstFormat);

} // namespace tk
