// Bevels, frames, the disabled veil and the small shapes widgets are made of.
#include "toolkit/draw.h"

#include "gfx/cairo_paint.h"
#include "toolkit/text.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

void setColour(cairo_t *cr, uint32_t c)
{
    cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
}

// One ring of a bevel: lit top and left, dark bottom and right (or the other way).
void ring(RastPort *rp, const Rect &b, uint32_t topLeft, uint32_t bottomRight)
{
    if (b.width <= 0 || b.height <= 0) return;
    const int x1 = b.x + b.width - 1, y1 = b.y + b.height - 1;
    rectFill(rp, b.x, b.y, x1, b.y, topLeft);
    rectFill(rp, b.x, b.y, b.x, y1, topLeft);
    rectFill(rp, b.x + 1, y1, x1, y1, bottomRight);
    rectFill(rp, x1, b.y + 1, x1, y1, bottomRight);
}

} // namespace

void drawBevel(RastPort *rp, const Rect &box, BevelStyle style, bool pressed)
{
    if (style == kBevelNone) return;
    if (style == kBevelEtched) {
        ring(rp, box, kColShadow, kColShine);
        ring(rp, Rect{box.x + 1, box.y + 1, box.width - 2, box.height - 2}, kColShine, kColShadow);
        return;
    }
    const bool raised = (style == kBevelRaised) != pressed;
    ring(rp, box, raised ? kColShine : kColShadow, raised ? kColShadow : kColShine);
    ring(rp, Rect{box.x + 1, box.y + 1, box.width - 2, box.height - 2}, raised ? kColShine : kColShadow,
         raised ? kColShadow : kColShine);
}

void drawFrame(RastPort *rp, const Rect &box, Word frame, const char *title, bool pressed, uint32_t background)
{
    const FrameSpec &look = frameSpec(frame);
    const bool titled = title && *title;
    const int th = titled ? fontHeight(kFontTitle) : 0;
    const Rect edge{box.x, box.y + th / 2, box.width, box.height - th / 2};
    if (look.field && look.border > 0)
        rectFill(rp, edge.x + look.border, edge.y + look.border, edge.x + edge.width - 1 - look.border,
                 edge.y + edge.height - 1 - look.border, kColField);
    if (look.border > 0) drawBevel(rp, edge, look.style, pressed);
    if (!titled) return;
    TextOptions options;
    options.font = kFontTitle;
    const TextExtent extent = measureText(title, options);
    const int w = std::min(extent.width + 8, box.width);
    const Rect label{box.x + (box.width - w) / 2, box.y, w, th};
    rectFill(rp, label.x, label.y, label.x + label.width - 1, label.y + label.height - 1, background);
    options.align = kAlignCentre;
    drawText(rp, label, title, options);
}

void drawGhost(RastPort *rp, const Rect &box)
{
    if (!rp) return;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x + ((y - box.y) & 1); x < box.x + box.width; x += 2) writePixel(rp, x, y, kColGhost);
}

void drawDisc(RastPort *rp, const Rect &box, uint32_t fill, uint32_t edge)
{
    paintCairo(rp, box, [&](cairo_t *cr) {
        const double r = std::min(box.width, box.height) / 2.0 - 1;
        cairo_arc(cr, box.width / 2.0, box.height / 2.0, r, 0, 2 * M_PI);
        setColour(cr, fill);
        cairo_fill_preserve(cr);
        setColour(cr, edge);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    });
}

void drawCheck(RastPort *rp, const Rect &box, uint32_t colour)
{
    paintCairo(rp, box, [&](cairo_t *cr) {
        const double w = box.width, h = box.height;
        cairo_move_to(cr, w * 0.2, h * 0.55);
        cairo_line_to(cr, w * 0.42, h * 0.78);
        cairo_line_to(cr, w * 0.82, h * 0.22);
        setColour(cr, colour);
        cairo_set_line_width(cr, std::max(2.0, w / 6));
        cairo_stroke(cr);
    });
}

void drawArrow(RastPort *rp, const Rect &box, int direction, uint32_t colour)
{
    paintCairo(rp, box, [&](cairo_t *cr) {
        const double w = box.width, h = box.height, s = std::min(w, h) * 0.3;
        const double cx = w / 2, cy = h / 2;
        switch (direction) {
        case 0: cairo_move_to(cr, cx - s, cy); cairo_line_to(cr, cx + s, cy - s); cairo_line_to(cr, cx + s, cy + s); break;
        case 1: cairo_move_to(cr, cx + s, cy); cairo_line_to(cr, cx - s, cy - s); cairo_line_to(cr, cx - s, cy + s); break;
        case 2: cairo_move_to(cr, cx, cy - s); cairo_line_to(cr, cx - s, cy + s); cairo_line_to(cr, cx + s, cy + s); break;
        default: cairo_move_to(cr, cx, cy + s); cairo_line_to(cr, cx - s, cy - s); cairo_line_to(cr, cx + s, cy - s); break;
        }
        cairo_close_path(cr);
        setColour(cr, colour);
        cairo_fill(cr);
    });
}

} // namespace tk
