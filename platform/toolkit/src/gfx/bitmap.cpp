// Bitmaps: allocation, locking for direct access, and single pixels by colour.
#include "toolkit/bitmap.h"

#include <cstdlib>
#include <cstring>

namespace tk {

namespace {

constexpr int kMaxSide = 16384;

int usualFormat(int depth)
{
    if (depth <= 8) return kPixLut8;
    if (depth == 15) return kPixRgb15;
    if (depth == 16) return kPixRgb16;
    if (depth == 24) return kPixRgb24;
    return kPixArgb32;
}

} // namespace

BitMap *allocBitMap(int width, int height, int format, ColourMap *colours)
{
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || !validFormat(format)) return nullptr;
    if (format == kPixLut8 && !colours) return nullptr;
    BitMap *bitmap = new BitMap;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->format = format;
    bitmap->depth = format == kPixLut8 ? 8 : formatDepth(format);
    bitmap->bytesPerRow = long(width) * bytesPerPixel(format);
    bitmap->pixels = static_cast<uint8_t *>(calloc(size_t(bitmap->bytesPerRow) * size_t(height), 1));
    bitmap->colours = format == kPixLut8 ? colours : nullptr;
    if (!bitmap->pixels) {
        delete bitmap;
        return nullptr;
    }
    return bitmap;
}

BitMap *allocBitMapDepth(int width, int height, int depth, const BitMap *friendBitMap)
{
    if (friendBitMap && friendBitMap->depth == depth)
        return allocBitMap(width, height, friendBitMap->format, friendBitMap->colours);
    return allocBitMap(width, height, usualFormat(depth), friendBitMap ? friendBitMap->colours : nullptr);
}

void freeBitMap(BitMap *bitmap)
{
    if (!bitmap) return;
    free(bitmap->pixels);
    delete bitmap;
}

int lockBitMap(BitMap *bitmap, BitMapLock *lock)
{
    if (!bitmap || !lock) return kErrBadBitMap;
    ++bitmap->locks;
    lock->address = bitmap->pixels;
    lock->bytesPerRow = bitmap->bytesPerRow;
    lock->format = bitmap->format;
    lock->width = bitmap->width;
    lock->height = bitmap->height;
    return 0;
}

void unlockBitMap(BitMap *bitmap)
{
    if (bitmap && bitmap->locks > 0) --bitmap->locks;
}

uint32_t readRgb(const BitMap *bitmap, int x, int y)
{
    if (!bitmap || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) return 0;
    const uint8_t *at = bitmap->pixels + long(y) * bitmap->bytesPerRow + long(x) * bytesPerPixel(bitmap->format);
    const uint32_t v = loadPixel(at, bitmap->format);
    if (bitmap->format == kPixLut8) return bitmap->colours ? bitmap->colours->rgb[v] : 0;
    return pixelToRgb(bitmap->format, v);
}

void writeRgb(BitMap *bitmap, int x, int y, uint32_t rgb, PenSet *pens)
{
    if (!bitmap || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) return;
    uint8_t *at = bitmap->pixels + long(y) * bitmap->bytesPerRow + long(x) * bytesPerPixel(bitmap->format);
    if (bitmap->format == kPixLut8)
        storePixel(at, kPixLut8, uint32_t(pens ? pens->pen(rgb) : nearestPen(bitmap->colours, rgb)));
    else
        storePixel(at, bitmap->format, packColour(rgb, bitmap->format));
}

} // namespace tk
