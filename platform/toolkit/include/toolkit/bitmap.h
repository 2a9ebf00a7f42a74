// Bitmaps and pens. A bitmap is a block of pixels of one format; palette
// bitmaps refer to a colour map whose pens name colours. Pens are shared:
// asking for the best pen for a colour finds one that already shows it, takes
// a free one, or settles for the nearest; each obtained pen is released once.
#pragma once

#include "toolkit/base.h"
#include "toolkit/pixels.h"

#include <cstdint>
#include <map>
#include <vector>

namespace tk {

// Up to 256 colours with a use count per pen. Fixed pens (the layer's own
// colours) are never handed back.
struct ColourMap {
    int size = 0;               // 2^depth, at most 256
    uint32_t rgb[256] = {};
    int users[256] = {};
    bool fixed[256] = {};
};

// Sets up a colour map of 2^depth pens (depth 1 to 8) with the layer's
// fixed colours in the first pens.
void initColourMap(ColourMap *map, int depth);
// The best pen for a colour: an allocated pen of exactly that colour, else a
// free pen set to it, else the nearest allocated pen. The pen is counted
// and must be released.
int obtainBestPen(ColourMap *map, uint32_t rgb);
void releasePen(ColourMap *map, int pen);
// The nearest allocated pen, without counting it (for mixed colours).
int nearestPen(const ColourMap *map, uint32_t rgb);
// Pens in use (fixed ones included).
int pensInUse(const ColourMap *map);

// The pens one user (a window, a widget) obtained, released together.
struct PenSet {
    ColourMap *map = nullptr;
    std::map<uint32_t, int> byColour;
    // The pen for a colour, obtained on first use.
    int pen(uint32_t rgb);
    void releaseAll();
};

struct BitMap {
    int width = 0, height = 0;
    int depth = 0;
    int format = kPixArgb32;
    long bytesPerRow = 0;
    uint8_t *pixels = nullptr;
    ColourMap *colours = nullptr; // palette bitmaps: the map their pens refer to
    int locks = 0;
};

// A cleared bitmap of a format (palette bitmaps need a colour map), or null
// for a bad size or format.
BitMap *allocBitMap(int width, int height, int format, ColourMap *colours = nullptr);
// A bitmap of a depth like `friendBitMap` (same format when the depth
// matches, the usual format of the depth otherwise).
BitMap *allocBitMapDepth(int width, int height, int depth, const BitMap *friendBitMap);
void freeBitMap(BitMap *bitmap);

// Direct access to the pixels while locked.
struct BitMapLock {
    uint8_t *address = nullptr;
    long bytesPerRow = 0;
    int format = 0;
    int width = 0, height = 0;
};
int lockBitMap(BitMap *bitmap, BitMapLock *lock);
void unlockBitMap(BitMap *bitmap);

// The colour of a pixel as 0xRRGGBB (palette pixels through their map);
// 0 outside the bitmap.
uint32_t readRgb(const BitMap *bitmap, int x, int y);
// Writes a colour into a pixel, through a pen set on palette bitmaps.
void writeRgb(BitMap *bitmap, int x, int y, uint32_t rgb, PenSet *pens);

// Maps ARGB pictures to pens of a palette screen: each colour of a picture
// gets the best pen, remembered for the next picture; the pens are released
// when the context is freed.
struct PaletteContext {
    PenSet pens;
};
PaletteContext *createPaletteContext(ColourMap *map);
void freePaletteContext(PaletteContext *context);

} // namespace tk
