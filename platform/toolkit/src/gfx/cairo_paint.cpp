#include "gfx/cairo_paint.h"

#include <vector>

namespace tk {

void paintWithCairo(RastPort *rp, const Rect &area, bool antialias, CairoPainter painter, void *data)
{
    if (!rp || !rp->bitmap || area.empty() || visiblePieces(rp, area).empty()) return;
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, area.width, area.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_t *cr = cairo_create(surface);
    if (!antialias) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    painter(cr, data);
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    // Cairo keeps premultiplied pixels; the blend wants straight alpha.
    const unsigned char *bytes = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<uint32_t> argb(size_t(area.width) * size_t(area.height));
    for (int y = 0; y < area.height; ++y) {
        const uint32_t *row = reinterpret_cast<const uint32_t *>(bytes + long(y) * stride);
        for (int x = 0; x < area.width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint32_t out = 0;
            if (a == 255) {
                out = p;
            } else if (a > 0) {
                const uint32_t r = ((p >> 16) & 0xFF) * 255 / a, g = ((p >> 8) & 0xFF) * 255 / a, b = (p & 0xFF) * 255 / a;
                out = a << 24 | (r > 255 ? 255 : r) << 16 | (g > 255 ? 255 : g) << 8 | (b > 255 ? 255 : b);
            }
            argb[size_t(y) * size_t(area.width) + size_t(x)] = out;
        }
    }
    cairo_surface_destroy(surface);
    blendArgbPixels(rp, argb.data(), 0, 0, area.width, area.x, area.y, area.width, area.height);
}

} // namespace tk
