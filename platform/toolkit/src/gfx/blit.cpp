// Blits between bitmaps (plain and through a mask) and writing pixel
// arrays: ARGB as it is, ARGB blended, raw formats converted, and ARGB
// pictures through a palette context.
#include "toolkit/rastport.h"

#include <cstring>

namespace tk {

namespace {

constexpr Word kMintermCopy = 0xC0, kMintermInvertSource = 0x30, kMintermInvertDest = 0x50, kMintermMasked = 0xE0;

uint8_t *pixelAt(BitMap *bm, int x, int y)
{
    return bm->pixels + long(y) * bm->bytesPerRow + long(x) * bytesPerPixel(bm->format);
}

uint32_t valueFor(BitMap *dst, PenSet *pens, uint32_t rgb)
{
    if (dst->format == kPixLut8) return uint32_t(pens ? pens->pen(rgb) : nearestPen(dst->colours, rgb));
    return packColour(rgb, dst->format);
}

bool maskBit(const uint8_t *mask, long maskBytesPerRow, int x, int y)
{
    return (mask[long(y) * maskBytesPerRow + (x >> 3)] >> (7 - (x & 7))) & 1;
}

// The part of a blit both bitmaps hold: moves the positions and shrinks the size.
bool clipToSource(const BitMap *src, int &srcX, int &srcY, int &dstX, int &dstY, int &width, int &height)
{
    if (srcX < 0) {
        width += srcX;
        dstX -= srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        height += srcY;
        dstY -= srcY;
        srcY = 0;
    }
    if (srcX + width > src->width) width = src->width - srcX;
    if (srcY + height > src->height) height = src->height - srcY;
    return width > 0 && height > 0;
}

// Copies source pixels into the pieces of the destination, by minterm.
void blitPieces(const BitMap *src, int srcX, int srcY, BitMap *dst, PenSet *pens, int dstX, int dstY,
                const std::vector<Rect> &pieces, Word minterm, const uint8_t *mask, long maskBytesPerRow)
{
    const bool sameLayout = src->format == dst->format && (src->format != kPixLut8 || src->colours == dst->colours);
    const int dbpp = bytesPerPixel(dst->format);
    for (const Rect &r : pieces)
        for (int y = r.y; y < r.y + r.height; ++y) {
            const int sy = srcY + (y - dstY);
            for (int x = r.x; x < r.x + r.width; ++x) {
                const int sx = srcX + (x - dstX);
                if (mask && !maskBit(mask, maskBytesPerRow, sx, sy)) continue;
                uint8_t *d = pixelAt(dst, x, y);
                if (minterm == kMintermInvertDest) {
                    if (dst->format == kPixLut8)
                        storePixel(d, kPixLut8, ~loadPixel(d, kPixLut8) & uint32_t(dst->colours->size - 1));
                    else
                        storePixel(d, dst->format, packColour(pixelToRgb(dst->format, loadPixel(d, dst->format)) ^ 0xFFFFFF, dst->format));
                    continue;
                }
                const uint8_t *s = src->pixels + long(sy) * src->bytesPerRow + long(sx) * bytesPerPixel(src->format);
                if (minterm == kMintermCopy && sameLayout) {
                    memcpy(d, s, size_t(dbpp));
                    continue;
                }
                uint32_t rgb = readRgb(src, sx, sy);
                if (minterm == kMintermInvertSource) rgb ^= 0xFFFFFF;
                storePixel(d, dst->format, valueFor(dst, pens, rgb));
            }
        }
}

bool knownMinterm(Word minterm)
{
    return minterm == kMintermCopy || minterm == kMintermInvertSource || minterm == kMintermInvertDest;
}

} // namespace

int bltBitMap(const BitMap *src, int srcX, int srcY, BitMap *dst, int dstX, int dstY, int width, int height,
              Word minterm)
{
    if (!src || !dst) return kErrBadBitMap;
    if (!knownMinterm(minterm)) return kErrUnsupported;
    RastPort rp;
    rp.bitmap = dst;
    return bltBitMapRastPort(src, srcX, srcY, &rp, dstX, dstY, width, height, minterm);
}

int bltBitMapRastPort(const BitMap *src, int srcX, int srcY, RastPort *rp, int dstX, int dstY, int width, int height,
                      Word minterm)
{
    if (!src || !rp || !rp->bitmap) return kErrBadBitMap;
    if (!knownMinterm(minterm)) return kErrUnsupported;
    if (!clipToSource(src, srcX, srcY, dstX, dstY, width, height)) return 0;
    blitPieces(src, srcX, srcY, rp->bitmap, rp->pens, dstX, dstY, visiblePieces(rp, Rect{dstX, dstY, width, height}),
               minterm, nullptr, 0);
    return 0;
}

int bltMaskBitMapRastPort(const BitMap *src, int srcX, int srcY, RastPort *rp, int dstX, int dstY, int width,
                          int height, Word minterm, const uint8_t *mask, long maskBytesPerRow)
{
    if (!src || !rp || !rp->bitmap) return kErrBadBitMap;
    if (minterm != kMintermMasked || !mask || maskBytesPerRow * 8 < src->width) return kErrUnsupported;
    if (!clipToSource(src, srcX, srcY, dstX, dstY, width, height)) return 0;
    blitPieces(src, srcX, srcY, rp->bitmap, rp->pens, dstX, dstY, visiblePieces(rp, Rect{dstX, dstY, width, height}),
               kMintermCopy, mask, maskBytesPerRow);
    return 0;
}

int writeArgbPixels(RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod, int dstX, int dstY, int width,
                    int height)
{
    if (!rp || !rp->bitmap) return kErrBadBitMap;
    if (!argb || width < 0 || height < 0) return kErrBadArgument;
    BitMap *dst = rp->bitmap;
    for (const Rect &r : visiblePieces(rp, Rect{dstX, dstY, width, height}))
        for (int y = r.y; y < r.y + r.height; ++y) {
            const uint32_t *s = argb + long(srcY + y - dstY) * srcMod + (srcX + r.x - dstX);
            uint8_t *d = pixelAt(dst, r.x, y);
            for (int x = 0; x < r.width; ++x, d += bytesPerPixel(dst->format))
                storePixel(d, dst->format, valueFor(dst, rp->pens, s[x] & 0xFFFFFF));
        }
    return 0;
}

int blendArgbPixels(RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod, int dstX, int dstY,
                    int width, int height)
{
    if (!rp || !rp->bitmap) return kErrBadBitMap;
    if (!argb || width < 0 || height < 0) return kErrBadArgument;
    BitMap *dst = rp->bitmap;
    for (const Rect &r : visiblePieces(rp, Rect{dstX, dstY, width, height})) {
        if (dst->format != kPixLut8) {
            blendArgb(argb, srcX + r.x - dstX, srcY + r.y - dstY, srcMod, dst->pixels, r.x, r.y,
                      int(dst->bytesPerRow / bytesPerPixel(dst->format)), r.width, r.height, dst->format);
            continue;
        }
        // Palette: mix with the colour of the pen below, then the nearest pen.
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) {
                const uint32_t s = argb[long(srcY + y - dstY) * srcMod + (srcX + x - dstX)];
                const int a = int(s >> 24);
                if (a == 0) continue;
                uint32_t rgb = s & 0xFFFFFF;
                if (a < 255) {
                    const uint32_t under = readRgb(dst, x, y);
                    rgb = uint32_t(blendChannel(int((s >> 16) & 0xFF), int((under >> 16) & 0xFF), a)) << 16 |
                          uint32_t(blendChannel(int((s >> 8) & 0xFF), int((under >> 8) & 0xFF), a)) << 8 |
                          uint32_t(blendChannel(int(s & 0xFF), int(under & 0xFF), a));
                    storePixel(pixelAt(dst, x, y), kPixLut8, uint32_t(nearestPen(dst->colours, rgb)));
                } else {
                    storePixel(pixelAt(dst, x, y), kPixLut8, valueFor(dst, rp->pens, rgb));
                }
            }
    }
    return 0;
}

int writePixelArray(RastPort *rp, const uint8_t *src, int srcFormat, long srcBytesPerRow, int srcX, int srcY,
                    int dstX, int dstY, int width, int height, const uint8_t *mask, long maskBytesPerRow)
{
    if (!rp || !rp->bitmap) return kErrBadBitMap;
    if (!src || width < 0 || height < 0) return kErrBadArgument;
    if (srcFormat == kPixLut8 || !validFormat(srcFormat)) return kErrUnsupported;
    BitMap *dst = rp->bitmap;
    const int sbpp = bytesPerPixel(srcFormat);
    for (const Rect &r : visiblePieces(rp, Rect{dstX, dstY, width, height}))
        for (int y = r.y; y < r.y + r.height; ++y) {
            const int sy = srcY + y - dstY;
            for (int x = r.x; x < r.x + r.width; ++x) {
                const int sx = srcX + x - dstX;
                if (mask && !maskBit(mask, maskBytesPerRow, sx, sy)) continue;
                const uint32_t rgb = pixelToRgb(srcFormat, loadPixel(src + long(sy) * srcBytesPerRow + long(sx) * sbpp, srcFormat));
                storePixel(pixelAt(dst, x, y), dst->format, valueFor(dst, rp->pens, rgb));
            }
        }
    return 0;
}

int drawArgbPalette(PaletteContext *context, RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod,
                    int dstX, int dstY, int width, int height)
{
    if (!rp || !rp->bitmap) return kErrBadBitMap;
    if (!context || !argb) return kErrBadArgument;
    if (rp->bitmap->format != kPixLut8) return kErrUnsupported;
    BitMap *dst = rp->bitmap;
    for (const Rect &r : visiblePieces(rp, Rect{dstX, dstY, width, height}))
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) {
                const uint32_t s = argb[long(srcY + y - dstY) * srcMod + (srcX + x - dstX)];
                if ((s >> 24) < 128) continue;
                storePixel(pixelAt(dst, x, y), kPixLut8, uint32_t(context->pens.pen(s & 0xFFFFFF)));
            }
    return 0;
}

} // namespace tk
