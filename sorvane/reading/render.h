// Rendering a page into pixels for brushes and anim frames.
#pragma once

#include "document.h"

// Rendered pixels: width x height words 0xAARRGGBB, rows packed ("rgbbuf").
struct SvRendering {
    uint32_t *pixels;
    int width;
    int height;
    int rotated; // the transform had rotation or shear
};

// Renders the page under the 2x2 transform m (brush coordinates, y down) at
// the requested size, or at the transformed page's bounding box when either
// size is 0. Returns false when the engine or memory fails.
bool sv_render_page(engine::Handle page, const float m[4], int width, int height, SvRendering *out);

// Renders the page again for a brush or frame record under the host's matrix
// (doubles) at the given size. On success the record's old pixels are freed
// and its pixels, size and rotated flag replaced, and 1 is returned; on
// failure the record is left as it was and 0 is returned.
int sv_render_again(engine::Handle page, const double matrix[4], int width, int height, uint32_t **pixels,
                    int *recordWidth, int *recordHeight, int *rotated);

// Puts an opaque white rectangle over the media box behind everything on the page.
void sv_add_white_background(engine::Handle page);

// Copies an engine bitmap into a new pixel buffer; 0 when memory fails.
uint32_t *sv_copy_bitmap(engine::Handle bitmap, int width, int height);
