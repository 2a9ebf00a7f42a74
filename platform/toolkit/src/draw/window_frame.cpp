#include "draw/window_frame.h"

#include "toolkit/draw.h"
#include "toolkit/text.h"

namespace tk {

void windowBorders(bool borderless, bool dragBar, bool sizeGadget, int border[4])
{
    if (borderless) {
        border[0] = border[1] = border[2] = border[3] = 0;
        return;
    }
    border[0] = 4;
    border[1] = 4;
    border[2] = dragBar ? fontHeight(kFontTitle) + 6 : 4;
    border[3] = sizeGadget ? 6 : 4;
}

void drawWindowFrame(RastPort *rp, int width, int height, const int border[4], const char *title, bool active,
                     bool closeGadget, bool sizeGadget)
{
    if (border[2] == 0 && border[0] == 0) return;
    const uint32_t bar = active ? kColFill : kColTitleInactive;
    // Edges in the title colour, with a lit outer and dark inner line.
    rectFill(rp, 0, 0, width - 1, border[2] - 1, bar);
    rectFill(rp, 0, 0, border[0] - 1, height - 1, bar);
    rectFill(rp, width - border[1], 0, width - 1, height - 1, bar);
    rectFill(rp, 0, height - border[3], width - 1, height - 1, bar);
    drawBevel(rp, Rect{0, 0, width, height}, kBevelRaised, false);
    int textLeft = 6;
    if (closeGadget && border[2] > 8) {
        const int s = border[2] - 8;
        const Rect gadget{4, 4, s, s};
        rectFill(rp, gadget.x, gadget.y, gadget.x + s - 1, gadget.y + s - 1, kColBackground);
        drawBevel(rp, gadget, kBevelRaised, false);
        rectFill(rp, gadget.x + s / 2 - 1, gadget.y + s / 2 - 1, gadget.x + s / 2 + 1, gadget.y + s / 2 + 1, kColText);
        textLeft = gadget.x + s + 6;
    }
    if (title && *title && border[2] > 8) {
        TextOptions options;
        options.font = kFontTitle;
        options.colour = kColFillText;
        drawText(rp, Rect{textLeft, 2, width - textLeft - 6, border[2] - 4}, title, options);
    }
    if (sizeGadget && border[3] > 0)
        rectFill(rp, width - 12, height - border[3], width - 3, height - 3, kColBackground);
}

} // namespace tk
