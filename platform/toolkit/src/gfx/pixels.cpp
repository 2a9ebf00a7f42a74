// Packing colours into the pixel formats, reading them back, and the alpha
// blend of ARGB pixels over true-colour pixels.
#include "toolkit/pixels.h"

namespace tk {

namespace {

uint16_t swap16(uint32_t v) { return uint16_t(((v & 0xFF) << 8) | ((v >> 8) & 0xFF)); }

// The two 5-bit fields of a 16-bit value swapped, green kept.
uint16_t swapRedBlue16(uint16_t v) { return uint16_t(((v & 0x1F) << 11) | (v & 0x07E0) | ((v >> 11) & 0x1F)); }

} // namespace

int bytesPerPixel(int format)
{
    if (format == kPixLut8) return 1;
    if (format >= kPixRgb15 && format <= kPixBgr16Pc) return 2;
    if (format == kPixRgb24 || format == kPixBgr24) return 3;
    if (format >= kPixArgb32 && format <= kPixRgba32) return 4;
    return 0;
}

int formatDepth(int format)
{
    if (format == kPixLut8) return 8;
    if (format >= kPixRgb15 && format <= kPixBgr15Pc) return 15;
    if (format >= kPixRgb16 && format <= kPixBgr16Pc) return 16;
    if (format == kPixRgb24 || format == kPixBgr24) return 24;
    if (format >= kPixArgb32 && format <= kPixRgba32) return 32;
    return 0;
}

bool validFormat(int format) { return format >= 0 && format < kPixelFormatCount; }

uint32_t packColour(uint32_t rgb, int format)
{
    const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const uint32_t r5 = r >> 3, g5 = g >> 3, g6 = g >> 2, b5 = b >> 3;
    switch (format) {
    case kPixRgb15: return 0x8000 | r5 << 10 | g5 << 5 | b5;
    case kPixBgr15: return 0x8000 | b5 << 10 | g5 << 5 | r5;
    case kPixRgb15Pc: return swap16(0x8000 | r5 << 10 | g5 << 5 | b5);
    case kPixBgr15Pc: return swap16(0x8000 | b5 << 10 | g5 << 5 | r5);
    case kPixRgb16: return r5 << 11 | g6 << 5 | b5;
    case kPixBgr16: return b5 << 11 | g6 << 5 | r5;
    case kPixRgb16Pc: return swap16(r5 << 11 | g6 << 5 | b5);
    case kPixBgr16Pc: return swap16(b5 << 11 | g6 << 5 | r5);
    case kPixRgb24: return r << 16 | g << 8 | b;
    case kPixBgr24: return b << 16 | g << 8 | r;
    case kPixArgb32: return 0xFF000000u | r << 16 | g << 8 | b;
    case kPixBgra32: return b << 24 | g << 16 | r << 8 | 0xFF;
    case kPixRgba32: return r << 24 | g << 16 | b << 8 | 0xFF;
    }
    return 0;
}

uint16_t unpackPixel16(int format, uint16_t v)
{
    switch (format) {
    case kPixRgb15: return uint16_t(((v << 1) & 0xFFC0) | (v & 0x1F));
    case kPixBgr15: return uint16_t(((v << 11) & 0xF800) | ((v << 1) & 0x07C0) | ((v >> 10) & 0x1F));
    case kPixRgb15Pc: return unpackPixel16(kPixRgb15, swap16(v));
    case kPixBgr15Pc: return unpackPixel16(kPixBgr15, swap16(v));
    case kPixRgb16: return v;
    case kPixBgr16: return swapRedBlue16(v);
    case kPixRgb16Pc: return swap16(v);
    case kPixBgr16Pc: return swapRedBlue16(swap16(v));
    }
    return v;
}

uint32_t pixelToRgb(int format, uint32_t v)
{
    if (format >= kPixRgb15 && format <= kPixBgr16Pc) {
        const uint32_t p = unpackPixel16(format, uint16_t(v));
        return ((p >> 8) & 0xF8) << 16 | ((p >> 3) & 0xFC) << 8 | ((p << 3) & 0xF8);
    }
    switch (format) {
    case kPixRgb24: return v & 0xFFFFFF;
    case kPixBgr24: return (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
    case kPixArgb32: return v & 0xFFFFFF;
    case kPixBgra32: return ((v >> 8) & 0xFF) << 16 | ((v >> 16) & 0xFF) << 8 | (v >> 24);
    case kPixRgba32: return v >> 8;
    }
    return 0;
}

uint32_t loadPixel(const uint8_t *at, int format)
{
    switch (bytesPerPixel(format)) {
    case 1: return at[0];
    case 2: return uint32_t(at[0]) << 8 | at[1];
    case 3: return uint32_t(at[0]) << 16 | uint32_t(at[1]) << 8 | at[2];
    case 4: return uint32_t(at[0]) << 24 | uint32_t(at[1]) << 16 | uint32_t(at[2]) << 8 | at[3];
    }
    return 0;
}

void storePixel(uint8_t *at, int format, uint32_t v)
{
    switch (bytesPerPixel(format)) {
    case 1: at[0] = uint8_t(v); break;
    case 2:
        at[0] = uint8_t(v >> 8);
        at[1] = uint8_t(v);
        break;
    case 3:
        at[0] = uint8_t(v >> 16);
        at[1] = uint8_t(v >> 8);
        at[2] = uint8_t(v);
        break;
    case 4:
        at[0] = uint8_t(v >> 24);
        at[1] = uint8_t(v >> 16);
        at[2] = uint8_t(v >> 8);
        at[3] = uint8_t(v);
        break;
    }
}

void blendPixel(uint8_t *at, int format, uint32_t argb)
{
    const int a = int(argb >> 24);
    if (a == 0 || format == kPixLut8 || !validFormat(format)) return;
    if (a == 255) {
        storePixel(at, format, packColour(argb & 0xFFFFFF, format));
        return;
    }
    const int s[3] = {int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF)};
    const int bpp = bytesPerPixel(format);
    if (bpp == 2) {
        // Through RGB16: widen, mix, pack, and back to the pixel's layout.
        const uint16_t v = unpackPixel16(format, uint16_t(loadPixel(at, format)));
        const int d[3] = {(v >> 8) & 0xF8, (v >> 3) & 0xFC, (v << 3) & 0xF8};
        const uint32_t mixed = uint32_t(blendChannel(s[0], d[0], a)) << 16 | uint32_t(blendChannel(s[1], d[1], a)) << 8 |
                               uint32_t(blendChannel(s[2], d[2], a));
        storePixel(at, format, packColour(mixed, format));
        return;
    }
    if (bpp == 3) {
        // Byte by byte, in the pixel's own order.
        const int order[3] = {format == kPixRgb24 ? 0 : 2, 1, format == kPixRgb24 ? 2 : 0};
        for (int i = 0; i < 3; ++i) at[i] = uint8_t(blendChannel(s[order[i]], at[i], a));
        return;
    }
    const uint32_t rgb = pixelToRgb(format, loadPixel(at, format));
    const int d[3] = {int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)};
    const uint32_t r = uint32_t(blendChannel(s[0], d[0], a)), g = uint32_t(blendChannel(s[1], d[1], a)),
                   b = uint32_t(blendChannel(s[2], d[2], a));
    switch (format) {
    case kPixArgb32: storePixel(at, format, r << 16 | g << 8 | b); break;
    case kPixBgra32: storePixel(at, format, b << 24 | g << 16 | r << 8); break;
    case kPixRgba32: storePixel(at, format, r << 24 | g << 16 | b << 8 | 0xFF); break;
    }
}

void blendArgb(const uint32_t *src, int srcX, int srcY, int srcMod, uint8_t *dst, int dstX, int dstY, int dstMod,
               int width, int height, int dstFormat)
{
    const int bpp = bytesPerPixel(dstFormat);
    if (!src || !dst || bpp < 2) return;
    for (int y = 0; y < height; ++y) {
        const uint32_t *s = src + size_t(srcY + y) * size_t(srcMod) + size_t(srcX);
        uint8_t *d = dst + (size_t(dstY + y) * size_t(dstMod) + size_t(dstX)) * size_t(bpp);
        for (int x = 0; x < width; ++x, d += bpp) blendPixel(d, dstFormat, s[x]);
    }
}

} // namespace tk
