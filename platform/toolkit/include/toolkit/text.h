// The text engine: texts in the system character set (ISO-8859-1) with the
// layer's formatting codes, laid out in lines and drawn with fixed fonts.
//
// Codes (ESC, then a letter): b bold, i italic, u underline, n all three off
// (the colour stays); c, r, l centre, right- or left-align the line;
// P[RRGGBB] text colour; A[8 hex digits] an inline image, O[8 hex digits] a
// list image (both name a key of images.h). Any other letter is skipped,
// with its "[...]" argument when one follows. A line feed ends a line and the
// next line starts plain: left-aligned, no style, the default colour.
// With shortcut marking on, the first underscore is not shown and the
// character after it is underlined.
#pragma once

#include "toolkit/rastport.h"
#include "toolkit/theme.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

enum TextAlign : int { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

struct TextRun {
    std::string text; // system character set; empty for an image
    bool bold = false, italic = false, underline = false;
    bool coloured = false;
    uint32_t colour = 0;   // 0xRRGGBB when coloured
    uint32_t image = 0;    // an image run: its key
    bool listImage = false;
    bool shortcut = false; // the marked shortcut character
};

struct TextLine {
    int align = kAlignLeft;
    std::vector<TextRun> runs;
};

// Splits a text into lines of runs. Malformed codes are skipped like
// unknown ones.
std::vector<TextLine> parseText(const char *text, bool markShortcut);
// The characters a person reads, codes and the shortcut marker removed,
// lines joined by line feeds.
std::string shownText(const char *text, bool markShortcut);

struct TextOptions {
    int font = kFontNormal;
    uint32_t colour = kColText; // for runs without a colour code
    bool markShortcut = false;
    int align = kAlignLeft;     // for lines without an alignment code
    bool fromTop = false;       // lines start at the top of the box (else the block is centred)
};

struct TextExtent {
    int width = 0, height = 0;
};

// The height of one line of a font, in pixels.
int fontHeight(int font);
// The width and height the text needs.
TextExtent measureText(const char *text, const TextOptions &options);
// Draws the text inside `box` (window coordinates): lines from the top of
// the block, which is centred vertically; each line aligned in the width.
// Nothing is drawn outside the box.
void drawText(RastPort *rp, const Rect &box, const char *text, const TextOptions &options);

} // namespace tk
