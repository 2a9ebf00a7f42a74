// Drawing into bitmaps: a rastport is a bitmap with the rectangles drawing
// may touch (a window's clip rectangles, narrowed further by a stack of
// limits such as a virtual group's visible part) and the pens it uses on a
// palette bitmap. Every primitive works clip rectangle by clip rectangle and
// leaves everything outside them alone. Coordinates are the bitmap's.
#pragma once

#include "toolkit/base.h"
#include "toolkit/bitmap.h"

#include <cstdint>
#include <vector>

namespace tk {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};
Rect intersect(const Rect &a, const Rect &b);

struct RastPort {
    BitMap *bitmap = nullptr;
    std::vector<Rect> clipRects; // where drawing may land (they must not overlap); empty: the whole bitmap
    std::vector<Rect> limits;    // further narrowing, innermost last
    PenSet *pens = nullptr;      // palette bitmaps: pens obtained for colours
};

// Narrows drawing to a rectangle until the matching pop.
void pushLimit(RastPort *rp, const Rect &limit);
void popLimit(RastPort *rp);
// The pieces of `area` drawing may touch, in order.
std::vector<Rect> visiblePieces(const RastPort *rp, const Rect &area);

// Fills the rectangle with corners (x0, y0) and (x1, y1), both included.
void rectFill(RastPort *rp, int x0, int y0, int x1, int y1, uint32_t rgb);
void drawLine(RastPort *rp, int x0, int y0, int x1, int y1, uint32_t rgb);
void writePixel(RastPort *rp, int x, int y, uint32_t rgb);
// 0xRRGGBB of a pixel, clipped or not; 0 outside the bitmap.
uint32_t readPixel(const RastPort *rp, int x, int y);

// Blits. Minterms: 0xC0 copies the source, 0x30 copies it inverted, 0x50
// inverts the destination; anything else is refused (kErrUnsupported).
// Pixels are converted when the formats differ.
int bltBitMap(const BitMap *src, int srcX, int srcY, BitMap *dst, int dstX, int dstY, int width, int height,
              Word minterm);
int bltBitMapRastPort(const BitMap *src, int srcX, int srcY, RastPort *rp, int dstX, int dstY, int width, int height,
                      Word minterm);
// A blit through a mask of one bit per pixel (most significant bit first,
// `maskBytesPerRow` per row, covering the source bitmap): minterm 0xE0 copies
// the pixels whose mask bit is set and leaves the others.
int bltMaskBitMapRastPort(const BitMap *src, int srcX, int srcY, RastPort *rp, int dstX, int dstY, int width,
                          int height, Word minterm, const uint8_t *mask, long maskBytesPerRow);

// Writes ARGB pixels (`srcMod` pixels per row) as they are, alpha ignored.
int writeArgbPixels(RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod, int dstX, int dstY, int width,
                    int height);
// Blends ARGB pixels over what is drawn: alpha 0 keeps, 255 replaces.
int blendArgbPixels(RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod, int dstX, int dstY,
                    int width, int height);
// Writes pixels of any true-colour format, converted to the bitmap's; with
// a mask (one bit per pixel as for masked blits) masked-out pixels are left.
int writePixelArray(RastPort *rp, const uint8_t *src, int srcFormat, long srcBytesPerRow, int srcX, int srcY,
                    int dstX, int dstY, int width, int height, const uint8_t *mask = nullptr,
                    long maskBytesPerRow = 0);
// Draws an ARGB picture on a palette bitmap through a palette context
// (each colour gets the context's best pen; alpha below 128 is left out).
int drawArgbPalette(PaletteContext *context, RastPort *rp, const uint32_t *argb, int srcX, int srcY, int srcMod,
                    int dstX, int dstY, int width, int height);

} // namespace tk
