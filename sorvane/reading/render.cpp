// The page renderer shared by page brushes and anim frames.
#include "render.h"

#include "../frame/plugin.h"

#include <algorithm>
#include <cstring>

void sv_add_white_background(engine::Handle page)
{
    float left = 0, bottom = 0, right = 0, top = 0;
    engine::FPDFPage_GetMediaBox(page, &left, &bottom, &right, &top);
    // The path starts at (left, bottom): a second move there would keep the engine
    // from seeing a plain rectangle, and it would fill it the slow, general way.
    engine::Handle path = engine::FPDFPageObj_CreateNewPath(left, bottom);
    if (!path) return;
    engine::FPDFPath_LineTo(path, left, top);
    engine::FPDFPath_LineTo(path, right, top);
    engine::FPDFPath_LineTo(path, right, bottom);
    engine::FPDFPath_Close(path);
    engine::FPDFPath_SetFillColor(path, 255, 255, 255, 255);
    engine::FPDFPath_SetDrawMode(path, 2, 0);
    engine::FPDFPage_PrependObject(page, path);
}

uint32_t *sv_copy_bitmap(engine::Handle bitmap, int width, int height)
{
    auto *pixels = static_cast<uint32_t *>(sv_system().allocMem(size_t(width) * size_t(height) * 4, 0, "rgbbuf"));
    if (!pixels) return nullptr;
    const auto *src = static_cast<const unsigned char *>(engine::FPDFBitmap_GetBuffer(bitmap));
    int stride = engine::FPDFBitmap_GetStride(bitmap);
    if (!src || stride < width * 4) {
        sv_system().freeMem(pixels);
        return nullptr;
    }
    // The engine keeps B, G, R, A in memory: read as a little-endian word that is A, R, G, B from the top byte down.
    for (int y = 0; y < height; y++) std::memcpy(pixels + size_t(y) * width, src + size_t(y) * stride, size_t(width) * 4);
    return pixels;
}

bool sv_render_page(engine::Handle page, const float m[4], int width, int height, SvRendering *out)
{
    int pageWidth = int(engine::FPDF_GetPageWidth(page));
    int pageHeight = int(engine::FPDF_GetPageHeight(page));
    // The engine applies the page's own orientation (y flipped to grow downward)
    // before this matrix, so the brush-space transform is handed over as it is.
    float a = m[0], b = m[1], c = m[2], d = m[3];
    float minX = 100000, minY = 100000, maxX = -100000, maxY = -100000;
    const float corners[4][2] = {{0, 0}, {float(pageWidth), 0}, {0, float(pageHeight)},
                                 {float(pageWidth), float(pageHeight)}};
    for (const auto &p : corners) {
        float x = a * p[0] + c * p[1], y = b * p[0] + d * p[1];
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    if (!width || !height) {
        width = int(maxX - minX);
        height = int(maxY - minY);
    }
    if (width <= 0 || height <= 0) return false;
    const float matrix[6] = {a, b, c, d, -minX, -minY};
    const float clip[4] = {0, 0, float(width), float(height)};

    engine::Handle bitmap = engine::FPDFBitmap_Create(width, height, 1);
    if (!bitmap) return false;
    engine::FPDFBitmap_FillRect(bitmap, 0, 0, width, height, 0);
    engine::FPDF_RenderPageBitmapWithMatrix(bitmap, page, matrix, clip, 0);
    int rotated = (b != 0 || c != 0) ? 1 : 0;
    // The engine's pixels are shared with this process and, with packed rows, already in
    // the brush format: the bitmap itself holds the rendering until it is released.
    auto *shared = static_cast<uint32_t *>(engine::FPDFBitmap_GetBuffer(bitmap));
    if (shared && engine::FPDFBitmap_GetStride(bitmap) == width * 4) {
        *out = {shared, width, height, rotated, bitmap};
        return true;
    }
    uint32_t *pixels = sv_copy_bitmap(bitmap, width, height);
    engine::FPDFBitmap_Destroy(bitmap);
    if (!pixels) return false;
    *out = {pixels, width, height, rotated, 0};
    return true;
}

void sv_release_pixels(uint32_t *pixels, engine::Handle bitmap)
{
    if (bitmap) engine::FPDFBitmap_Destroy(bitmap);
    else sv_system().freeMem(pixels);
}
