// Host brushes, shared by the brush commands, the graphics services and anims.
#pragma once

#include "host.h"

namespace host {

struct Brush {
    ScriptId id{};
    int width = 0, height = 0;
    // Raster brushes: the host's pixels.
    std::vector<uint32_t> pixels;
    bool alpha = false;
    // Vector brushes: the plugin's record, its callbacks, and the matrix that
    // maps the original (untransformed) brush to the current one.
    bool vector = false;
    void *record = nullptr;
    KsPixelCallback pixel = nullptr;
    KsTransformCallback transform = nullptr;
    KsFreeCallback freeRecord = nullptr;
    int originalWidth = 0, originalHeight = 0;
    double matrix[4] = {1, 0, 0, 1};
    int locks = 0;
};

Brush *find_brush(const ScriptId &id);
Brush *make_vector_brush(const ScriptId &id, int width, int height, void *record, KsPixelCallback pixel,
                         KsTransformCallback transform, KsFreeCallback freeRecord);
Brush *make_raster_brush(const ScriptId &id, int width, int height, const uint32_t *pixels, int pixelsPerRow,
                         bool alpha);
uint32_t *brush_pixels(Brush *b, KsPixelInfo *info);
void free_brush(Brush *b);

} // namespace host
