// Saving bitmaps as PNG files through cairo's writer.
#include "toolkit/screen.h"

#include <cairo.h>

namespace tk {

int savePng(const BitMap *bitmap, const char *path)
{
    if (!bitmap || !bitmap->pixels) return kErrBadBitMap;
    if (!path || !*path) return kErrBadArgument;
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, bitmap->width, bitmap->height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return kErrNoMemory;
    }
    cairo_surface_flush(surface);
    unsigned char *data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap->height; ++y) {
        uint32_t *row = reinterpret_cast<uint32_t *>(data + long(y) * stride);
        for (int x = 0; x < bitmap->width; ++x) row[x] = readRgb(bitmap, x, y);
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path);
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? 0 : kErrFileWrite;
}

} // namespace tk
