// Bitmaps whose pixels live in shared memory: a sealed memfd that the server maps and
// hands to the client, so both render into and read the same pages without a copy.
#ifndef ENGINE_SERVER_SHARED_BITMAP_H
#define ENGINE_SERVER_SHARED_BITMAP_H

#include "pdfium.h"

#include <cstddef>

namespace engine::server {

// The largest pixel buffer the server makes (4 bytes per pixel).
inline constexpr size_t kMaxBitmapBytes = size_t{1} << 30;

struct SharedBitmap {
    PdfBitmap *bitmap = nullptr;
    void *pixels = nullptr;
    size_t bytes = 0;
    int fd = -1;
};

struct HandleTable;

// Makes a width x height bitmap (BGRA with alpha, else BGRx; rows packed, 4 bytes per
// pixel) over a memfd whose size is sealed, so a client cannot shrink the pages under
// the engine: a spare of the connection's own of that size when it has one, else a new
// one. Returns 0 or an errno value (EINVAL for a size out of range).
int createSharedBitmap(int width, int height, bool alpha, HandleTable &table, SharedBitmap *out);

// Unmaps the pixels and closes the descriptor (the bitmap itself is released separately).
void releaseSharedPixels(SharedBitmap &shared);

} // namespace engine::server

#endif
