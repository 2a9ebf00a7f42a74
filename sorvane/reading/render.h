// Rendering a page into pixels for brushes and anim frames.
#pragma once

#include "document.h"

// Rendered pixels: width x height words 0xAARRGGBB, rows packed. They are the
// engine bitmap's own shared pixels when `bitmap` is set (no copy is made), else
// a host block ("rgbbuf").
struct SvRendering {
    uint32_t *pixels;
    int width;
    int height;
    int rotated; // the transform had rotation or shear
    engine::Handle bitmap;
};

// Renders the page under the 2x2 transform m (brush coordinates, y down) at
// the requested size, or at the transformed page's bounding box when either
// size is 0. Returns false when the engine or memory fails.
bool sv_render_page(engine::Handle page, const float m[4], int width, int height, SvRendering *out);

// Releases rendered pixels: the engine bitmap that holds them, or the host block.
void sv_release_pixels(uint32_t *pixels, engine::Handle bitmap);

// What brush and vector frame records share: the page, its pixels and their size,
// the transparent and rotated flags, and the engine bitmap holding the pixels.

// The host's pixel callback: size, row length and alpha, and the pixels.
template <typename Record> uint32_t *sv_record_pixels(Record *r, KsPixelInfo *out)
{
    *out = {r->width, r->height, r->width, r->transparent ? 1 : r->rotated};
    return r->pixels;
}

// The host's transform callback: renders the page again under the host's matrix
// at the given size. On success the old pixels are released and replaced with
// the size and rotated flag, and 1 is returned; on failure the record keeps its
// pixels and 0 is returned.
template <typename Record> int sv_record_render_again(Record *r, const double matrix[4], int width, int height)
{
    const float m[4] = {float(matrix[0]), float(matrix[1]), float(matrix[2]), float(matrix[3])};
    SvRendering fresh;
    if (!sv_render_page(r->page, m, width, height, &fresh)) return 0;
    sv_release_pixels(r->pixels, r->bitmap);
    r->pixels = fresh.pixels;
    r->width = fresh.width;
    r->height = fresh.height;
    r->rotated = fresh.rotated;
    r->bitmap = fresh.bitmap;
    return 1;
}

// Puts an opaque white rectangle over the media box behind everything on the page.
void sv_add_white_background(engine::Handle page);

// Copies an engine bitmap into a new pixel buffer; 0 when memory fails.
uint32_t *sv_copy_bitmap(engine::Handle bitmap, int width, int height);
