// Clipping and the simple primitives: rectangles, lines and pixels.
#include "toolkit/rastport.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

Rect intersect(const Rect &a, const Rect &b)
{
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.width, b.x + b.width), y1 = std::min(a.y + a.height, b.y + b.height);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

void pushLimit(RastPort *rp, const Rect &limit) { rp->limits.push_back(limit); }

void popLimit(RastPort *rp)
{
    if (!rp->limits.empty()) rp->limits.pop_back();
}

std::vector<Rect> visiblePieces(const RastPort *rp, const Rect &area)
{
    std::vector<Rect> pieces;
    if (!rp || !rp->bitmap) return pieces;
    Rect within = intersect(area, Rect{0, 0, rp->bitmap->width, rp->bitmap->height});
    for (const Rect &limit : rp->limits) within = intersect(within, limit);
    if (within.empty()) return pieces;
    if (rp->clipRects.empty()) {
        pieces.push_back(within);
        return pieces;
    }
    for (const Rect &clip : rp->clipRects) {
        Rect piece = intersect(within, clip);
        if (!piece.empty()) pieces.push_back(piece);
    }
    return pieces;
}

namespace {

uint32_t pixelValue(RastPort *rp, uint32_t rgb)
{
    const BitMap *bm = rp->bitmap;
    if (bm->format == kPixLut8) return uint32_t(rp->pens ? rp->pens->pen(rgb) : nearestPen(bm->colours, rgb));
    return packColour(rgb, bm->format);
}

uint8_t *pixelAt(BitMap *bm, int x, int y)
{
    return bm->pixels + long(y) * bm->bytesPerRow + long(x) * bytesPerPixel(bm->format);
}

} // namespace

void rectFill(RastPort *rp, int x0, int y0, int x1, int y1, uint32_t rgb)
{
    if (!rp || !rp->bitmap) return;
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    const std::vector<Rect> pieces = visiblePieces(rp, Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1});
    if (pieces.empty()) return;
    BitMap *bm = rp->bitmap;
    const uint32_t value = pixelValue(rp, rgb);
    const int bpp = bytesPerPixel(bm->format);
    uint8_t pattern[4];
    storePixel(pattern, bm->format, value);
    for (const Rect &r : pieces)
        for (int y = r.y; y < r.y + r.height; ++y) {
            uint8_t *at = pixelAt(bm, r.x, y);
            for (int x = 0; x < r.width; ++x, at += bpp)
                for (int b = 0; b < bpp; ++b) at[b] = pattern[b];
        }
}

void writePixel(RastPort *rp, int x, int y, uint32_t rgb)
{
    if (!rp || !rp->bitmap) return;
    if (visiblePieces(rp, Rect{x, y, 1, 1}).empty()) return;
    storePixel(pixelAt(rp->bitmap, x, y), rp->bitmap->format, pixelValue(rp, rgb));
}

uint32_t readPixel(const RastPort *rp, int x, int y) { return rp ? readRgb(rp->bitmap, x, y) : 0; }

void drawLine(RastPort *rp, int x0, int y0, int x1, int y1, uint32_t rgb)
{
    if (!rp || !rp->bitmap) return;
    // Horizontal and vertical lines are rectangles one pixel thick.
    if (x0 == x1 || y0 == y1) {
        rectFill(rp, x0, y0, x1, y1, rgb);
        return;
    }
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        writePixel(rp, x0, y0, rgb);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

} // namespace tk
