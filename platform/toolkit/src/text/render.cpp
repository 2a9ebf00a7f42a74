// Measuring and drawing texts: each run is a pango layout in its font and
// style, runs follow each other on a common baseline, images sit centred in
// their line.
#include "toolkit/text.h"

#include "gfx/cairo_paint.h"
#include "text/fonts.h"
#include "toolkit/images.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace tk {

namespace {

constexpr int kImageGap = 2; // space after an inline image

std::string toUtf8(const std::string &latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

PangoLayout *runLayout(PangoContext *context, const TextRun &run, int font)
{
    PangoLayout *layout = pango_layout_new(context);
    pango_layout_set_font_description(layout, fontDescription(font, run.bold, run.italic));
    const std::string utf8 = toUtf8(run.text);
    pango_layout_set_text(layout, utf8.c_str(), int(utf8.size()));
    if (run.underline) {
        PangoAttrList *attrs = pango_attr_list_new();
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    return layout;
}

struct LaidRun {
    int width = 0;
    const InlineImage *image = nullptr;
};

struct LaidLine {
    int width = 0, height = 0, baseline = 0;
    std::vector<LaidRun> runs;
};

LaidLine measureLine(const TextLine &line, int font)
{
    LaidLine laid;
    laid.height = fontLineHeight(font);
    laid.baseline = fontBaseline(font);
    for (const TextRun &run : line.runs) {
        LaidRun r;
        if (run.image || run.text.empty()) {
            r.image = run.image ? findImage(run.image) : nullptr;
            if (r.image) {
                r.width = r.image->width + kImageGap;
                laid.height = std::max(laid.height, r.image->height);
            }
        } else {
            PangoLayout *layout = runLayout(textContext(true), run, font);
            PangoRectangle logical;
            pango_layout_get_pixel_extents(layout, nullptr, &logical);
            r.width = logical.width;
            g_object_unref(layout);
        }
        laid.width += r.width;
        laid.runs.push_back(r);
    }
    // Taller images push the text's baseline down to the middle of the line.
    laid.baseline += (laid.height - fontLineHeight(font)) / 2;
    return laid;
}

void paintImage(cairo_t *cr, const InlineImage *image, int x, int y)
{
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->width, image->height);
    cairo_surface_flush(surface);
    unsigned char *bytes = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int row = 0; row < image->height; ++row) {
        uint32_t *out = reinterpret_cast<uint32_t *>(bytes + long(row) * stride);
        for (int col = 0; col < image->width; ++col) {
            const uint32_t p = image->argb[size_t(row) * size_t(image->width) + size_t(col)];
            const uint32_t a = p >> 24;
            out[col] = a << 24 | (((p >> 16) & 0xFF) * a / 255) << 16 | (((p >> 8) & 0xFF) * a / 255) << 8 |
                       ((p & 0xFF) * a / 255);
        }
    }
    cairo_surface_mark_dirty(surface);
    cairo_set_source_surface(cr, surface, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(surface);
}

} // namespace

int fontHeight(int font) { return fontLineHeight(font); }

TextExtent measureText(const char *text, const TextOptions &options)
{
    TextExtent extent;
    for (const TextLine &line : parseText(text, options.markShortcut)) {
        const LaidLine laid = measureLine(line, options.font);
        extent.width = std::max(extent.width, laid.width);
        extent.height += laid.height;
    }
    return extent;
}

void drawText(RastPort *rp, const Rect &box, const char *text, const TextOptions &options)
{
    if (!rp || box.empty()) return;
    const std::vector<TextLine> lines = parseText(text, options.markShortcut);
    std::vector<LaidLine> laid;
    int total = 0;
    for (const TextLine &line : lines) {
        laid.push_back(measureLine(line, options.font));
        total += laid.back().height;
    }
    const int top = options.fromTop ? 0 : std::max(0, (box.height - total) / 2);
    const bool antialias = rp->bitmap && rp->bitmap->format != kPixLut8;
    pushLimit(rp, box);
    paintCairo(rp, box, [&](cairo_t *cr) {
        int y = top;
        for (size_t i = 0; i < lines.size(); ++i) {
            const LaidLine &l = laid[i];
            const int align = lines[i].align != kAlignLeft ? lines[i].align : options.align;
            int x = align == kAlignCentre ? (box.width - l.width) / 2 : align == kAlignRight ? box.width - l.width : 0;
            x = std::max(0, x);
            for (size_t r = 0; r < lines[i].runs.size(); ++r) {
                const TextRun &run = lines[i].runs[r];
                if (l.runs[r].image) {
                    paintImage(cr, l.runs[r].image, x, y + (l.height - l.runs[r].image->height) / 2);
                } else if (!run.text.empty()) {
                    PangoLayout *layout = runLayout(textContext(antialias), run, options.font);
                    const uint32_t c = run.coloured ? run.colour : options.colour;
                    cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
                    cairo_move_to(cr, x, y + l.baseline - pango_layout_get_baseline(layout) / PANGO_SCALE);
                    pango_cairo_show_layout(cr, layout);
                    g_object_unref(layout);
                }
                x += l.runs[r].width;
            }
            y += l.height;
        }
    });
    popLimit(rp);
}

} // namespace tk
