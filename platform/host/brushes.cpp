// Brushes: raster brushes the host owns, and vector brushes whose pixels a
// plugin renders. Transforming a vector brush asks the plugin to render the
// original again under the accumulated matrix, so it stays sharp; a raster
// brush is resampled with cairo. PNG files go through libpng.
#include "brushes.h"

extern "C" {
#include <lauxlib.h>
}

#include <bit>
#include <cairo.h>
#include <cmath>
#include <cstring>
#include <png.h>

static_assert(std::endian::native == std::endian::little,
              "pixel words are read as A,R,G,B from the most significant byte: memory order B,G,R,A");

namespace host {
namespace {

std::vector<Brush *> g_brushes;

bool same(const ScriptId &a, const ScriptId &b) { return a.number == b.number && a.pointer == b.pointer; }

Brush *check_brush(lua_State *L, int pos)
{
    ScriptId id;
    read_id(L, pos, &id);
    Brush *b = find_brush(id);
    if (!b) {
        if (id.number == KS_ID_AUTO) luaL_error(L, "Brush %p does not exist", id.pointer);
        luaL_error(L, "Brush %d does not exist", int(id.number));
    }
    return b;
}

// Registers a new brush under the id read from argument `pos` (freeing an old one of that number).
Brush *new_brush(const ScriptId &requested)
{
    if (requested.number != KS_ID_AUTO)
        if (Brush *old = find_brush(requested)) free_brush(old);
    auto *b = new Brush;
    b->id = requested.number == KS_ID_AUTO ? ScriptId{KS_ID_AUTO, b} : requested;
    g_brushes.push_back(b);
    return b;
}

int push_new_id(lua_State *L, const ScriptId &requested, Brush *b)
{
    if (requested.number != KS_ID_AUTO) return 0;
    lua_pushlightuserdata(L, b);
    return 1;
}

// ---- cairo helpers: cairo wants premultiplied alpha, brushes keep it straight.
uint32_t premultiply(uint32_t p)
{
    uint32_t a = p >> 24;
    auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
}

uint32_t unpremultiply(uint32_t p)
{
    uint32_t a = p >> 24;
    if (a == 0) return 0;
    auto div = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (div((p >> 16) & 0xFF) << 16) | (div((p >> 8) & 0xFF) << 8) | div(p & 0xFF);
}

// Resamples a raster brush under matrix m (column-major 2x2) into width x height.
bool resample(Brush *b, const double m[4], int width, int height, double tx, double ty)
{
    cairo_surface_t *src = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, b->width, b->height);
    cairo_surface_t *dst = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    bool ok = cairo_surface_status(src) == CAIRO_STATUS_SUCCESS && cairo_surface_status(dst) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(src);
        unsigned char *data = cairo_image_surface_get_data(src);
        int stride = cairo_image_surface_get_stride(src);
        for (int y = 0; y < b->height; y++) {
            auto *row = reinterpret_cast<uint32_t *>(data + size_t(y) * stride);
            for (int x = 0; x < b->width; x++) {
                uint32_t p = b->pixels[size_t(y) * b->width + x];
                row[x] = premultiply(b->alpha ? p : (p | 0xFF000000u));
            }
        }
        cairo_surface_mark_dirty(src);
        cairo_t *cr = cairo_create(dst);
        cairo_matrix_t matrix;
        cairo_matrix_init(&matrix, m[0], m[1], m[2], m[3], tx, ty);
        cairo_set_matrix(cr, &matrix);
        cairo_set_source_surface(cr, src, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(dst);
        data = cairo_image_surface_get_data(dst);
        stride = cairo_image_surface_get_stride(dst);
        std::vector<uint32_t> out(size_t(width) * height);
        for (int y = 0; y < height; y++) {
            auto *row = reinterpret_cast<uint32_t *>(data + size_t(y) * stride);
            for (int x = 0; x < width; x++) out[size_t(y) * width + x] = unpremultiply(row[x]);
        }
        b->pixels.swap(out);
        b->width = width;
        b->height = height;
        // Corners outside the original become transparent unless only scaled.
        if (m[1] != 0 || m[2] != 0) b->alpha = true;
    }
    cairo_surface_destroy(src);
    cairo_surface_destroy(dst);
    return ok;
}

// Applies transform t (column-major 2x2) to brush b; width/height 0 means the bounding box.
void transform_brush(lua_State *L, Brush *b, const double t[4], int width, int height)
{
    double base[4];
    int baseW, baseH;
    if (b->vector) {
        std::memcpy(base, b->matrix, sizeof base);
        baseW = b->originalWidth;
        baseH = b->originalHeight;
    } else {
        base[0] = 1, base[1] = 0, base[2] = 0, base[3] = 1;
        baseW = b->width;
        baseH = b->height;
    }
    // total = t * base
    double m[4] = {t[0] * base[0] + t[2] * base[1], t[1] * base[0] + t[3] * base[1],
                   t[0] * base[2] + t[2] * base[3], t[1] * base[2] + t[3] * base[3]};
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    const double corners[4][2] = {{0, 0}, {double(baseW), 0}, {0, double(baseH)}, {double(baseW), double(baseH)}};
    for (const auto &c : corners) {
        double x = m[0] * c[0] + m[2] * c[1], y = m[1] * c[0] + m[3] * c[1];
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    if (!width || !height) {
        width = int(std::lround(maxX - minX));
        height = int(std::lround(maxY - minY));
    }
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768)
        luaL_error(L, "Cannot transform brush to %d x %d pixels", width, height);
    if (b->vector) {
        if (!b->transform(b->record, m, width, height)) luaL_error(L, "The brush's plugin could not render it again");
        std::memcpy(b->matrix, m, sizeof m);
        KsPixelInfo info{};
        b->pixel(b->record, &info);
        b->width = info.width;
        b->height = info.height;
    } else if (!resample(b, m, width, height, -minX, -minY)) {
        luaL_error(L, "Out of memory while transforming brush");
    }
}

// ---- script commands

// CreateBrush(id|nil, w, h[, argb]) -> automatic id when id is nil
int cmd_CreateBrush(lua_State *L)
{
    ScriptId id;
    read_id(L, 1, &id);
    lua_Integer w = luaL_checkinteger(L, 2), h = luaL_checkinteger(L, 3);
    auto argb = uint32_t(luaL_optinteger(L, 4, 0xFF000000));
    luaL_argcheck(L, w > 0 && w <= 32768, 2, "width out of range");
    luaL_argcheck(L, h > 0 && h <= 32768, 3, "height out of range");
    Brush *b = new_brush(id);
    b->width = int(w), b->height = int(h);
    b->pixels.assign(size_t(w) * size_t(h), argb);
    b->alpha = (argb >> 24) != 0xFF;
    return push_new_id(L, id, b);
}

// LoadBrush(id|nil, file) -> automatic id when id is nil
int cmd_LoadBrush(lua_State *L)
{
    ScriptId id;
    read_id(L, 1, &id);
    const char *file = luaL_checkstring(L, 2);
    Brush *b = nullptr;
    {
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        if (png_image_begin_read_from_file(&image, file)) {
            bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
            image.format = PNG_FORMAT_BGRA; // memory order of A,R,G,B words on this machine
            std::vector<uint32_t> pixels(size_t(image.width) * image.height);
            if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
                b = new_brush(id);
                b->width = int(image.width), b->height = int(image.height);
                b->pixels.swap(pixels);
                b->alpha = alpha;
            }
            png_image_free(&image);
        }
    }
    // Raised only once the locals above are gone.
    if (!b) return luaL_error(L, "Cannot load brush from \"%s\"", file);
    return push_new_id(L, id, b);
}

// SaveBrush(id, file): writes a PNG, with alpha when the brush has alpha.
int cmd_SaveBrush(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    const char *file = luaL_checkstring(L, 2);
    KsPixelInfo info{};
    const uint32_t *src = brush_pixels(b, &info);
    if (!src) return luaL_error(L, "Brush has no pixels");
    int ok;
    {
        std::vector<uint32_t> rows(size_t(info.width) * info.height);
        for (int y = 0; y < info.height; y++)
            for (int x = 0; x < info.width; x++) {
                uint32_t p = src[size_t(y) * info.pixelsPerRow + x];
                rows[size_t(y) * info.width + x] = info.alpha ? p : (p | 0xFF000000u);
            }
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        image.width = png_uint_32(info.width);
        image.height = png_uint_32(info.height);
        image.format = PNG_FORMAT_BGRA;
        ok = png_image_write_to_file(&image, file, 0, rows.data(), 0, nullptr);
    }
    if (!ok) return luaL_error(L, "Cannot save brush to \"%s\"", file);
    return 0;
}

int cmd_FreeBrush(lua_State *L)
{
    free_brush(check_brush(L, 1));
    return 0;
}

int cmd_GetBrushSize(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    lua_pushinteger(L, b->width);
    lua_pushinteger(L, b->height);
    return 2;
}

// ReadPixel(id, x, y) -> 0xAARRGGBB (opaque unless the brush has alpha)
int cmd_ReadPixel(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    lua_Integer x = luaL_checkinteger(L, 2), y = luaL_checkinteger(L, 3);
    KsPixelInfo info{};
    const uint32_t *p = brush_pixels(b, &info);
    if (!p || x < 0 || y < 0 || x >= info.width || y >= info.height)
        return luaL_error(L, "Pixel %d,%d is outside the brush", int(x), int(y));
    uint32_t v = p[size_t(y) * info.pixelsPerRow + size_t(x)];
    lua_pushinteger(L, info.alpha ? v : (v | 0xFF000000u));
    return 1;
}

int cmd_IsVectorBrush(lua_State *L)
{
    lua_pushboolean(L, check_brush(L, 1)->vector);
    return 1;
}

// BrushHasAlpha(id): whether the pixels carry alpha (a vector brush answers through its pixel callback).
int cmd_BrushHasAlpha(lua_State *L)
{
    KsPixelInfo info{};
    brush_pixels(check_brush(L, 1), &info);
    lua_pushboolean(L, info.alpha);
    return 1;
}

int cmd_ScaleBrush(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    lua_Integer w = luaL_checkinteger(L, 2), h = luaL_checkinteger(L, 3);
    luaL_argcheck(L, w > 0 && w <= 32768, 2, "width out of range");
    luaL_argcheck(L, h > 0 && h <= 32768, 3, "height out of range");
    const double t[4] = {double(w) / b->width, 0, 0, double(h) / b->height};
    transform_brush(L, b, t, int(w), int(h));
    return 0;
}

// RotateBrush(id, degrees): counter-clockwise on the screen.
int cmd_RotateBrush(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    double r = luaL_checknumber(L, 2) * M_PI / 180.0;
    double c = std::cos(r), s = std::sin(r);
    // Snap the exact quarter turns so sizes come out whole.
    if (std::fabs(c) < 1e-12) c = 0;
    if (std::fabs(s) < 1e-12) s = 0;
    const double t[4] = {c, -s, s, c};
    transform_brush(L, b, t, 0, 0);
    return 0;
}

int cmd_TransformBrush(lua_State *L)
{
    Brush *b = check_brush(L, 1);
    const double t[4] = {luaL_checknumber(L, 2), luaL_checknumber(L, 3), luaL_checknumber(L, 4),
                         luaL_checknumber(L, 5)};
    luaL_argcheck(L, t[0] * t[3] - t[1] * t[2] != 0, 2, "the matrix is singular");
    transform_brush(L, b, t, 0, 0);
    return 0;
}

const HostCommandRow kBrushCommands[] = {
    {"CreateBrush", cmd_CreateBrush},
    {"LoadBrush", cmd_LoadBrush},
    {"SaveBrush", cmd_SaveBrush},
    {"FreeBrush", cmd_FreeBrush},
    {"GetBrushSize", cmd_GetBrushSize},
    {"ReadPixel", cmd_ReadPixel},
    {"IsVectorBrush", cmd_IsVectorBrush},
    {"BrushHasAlpha", cmd_BrushHasAlpha},
    {"ScaleBrush", cmd_ScaleBrush},
    {"RotateBrush", cmd_RotateBrush},
    {"TransformBrush", cmd_TransformBrush},
    {nullptr, nullptr},
};

// ---- services for plugins

int createVectorBrush(const ScriptId *id, int width, int height, const KsVectorBrushRequest *r, void **autoId)
{
    if (!id || !r || !r->pixelCallback || !r->freeCallback || !r->transformCallback || width <= 0 || height <= 0)
        return KS_ERR_USAGE;
    Brush *b = make_vector_brush(*id, width, height, r->record, r->pixelCallback, r->transformCallback,
                                 r->freeCallback);
    if (autoId) *autoId = id->number == KS_ID_AUTO ? b : nullptr;
    return 0;
}

int lockBrush(const ScriptId *id, KsBrushLock *lock)
{
    Brush *b = id ? find_brush(*id) : nullptr;
    if (!b || !lock) return KS_ERR_USAGE;
    KsPixelInfo info{};
    lock->pixels = brush_pixels(b, &info);
    if (!lock->pixels) return KS_ERR_USAGE;
    lock->width = info.width;
    lock->height = info.height;
    lock->pixelsPerRow = info.pixelsPerRow;
    lock->alpha = info.alpha;
    lock->brush = b;
    b->locks++;
    return 0;
}

void unlockBrush(KsBrushLock *lock)
{
    if (!lock || !lock->brush) return;
    static_cast<Brush *>(lock->brush)->locks--;
    lock->brush = nullptr;
    lock->pixels = nullptr;
}

} // namespace

Brush *find_brush(const ScriptId &id)
{
    for (Brush *b : g_brushes)
        if (same(b->id, id)) return b;
    return nullptr;
}

Brush *make_vector_brush(const ScriptId &id, int width, int height, void *record, KsPixelCallback pixel,
                         KsTransformCallback transform, KsFreeCallback freeRecord)
{
    Brush *b = new_brush(id);
    b->vector = true;
    b->width = b->originalWidth = width;
    b->height = b->originalHeight = height;
    b->record = record;
    b->pixel = pixel;
    b->transform = transform;
    b->freeRecord = freeRecord;
    return b;
}

Brush *make_raster_brush(const ScriptId &id, int width, int height, const uint32_t *pixels, int pixelsPerRow,
                         bool alpha)
{
    Brush *b = new_brush(id);
    b->width = width;
    b->height = height;
    b->alpha = alpha;
    b->pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; y++)
        std::memcpy(&b->pixels[size_t(y) * width], pixels + size_t(y) * pixelsPerRow, size_t(width) * 4);
    return b;
}

uint32_t *brush_pixels(Brush *b, KsPixelInfo *info)
{
    if (b->vector) return b->pixel(b->record, info);
    *info = {b->width, b->height, b->width, b->alpha ? 1 : 0};
    return b->pixels.data();
}

void free_brush(Brush *b)
{
    for (auto it = g_brushes.begin(); it != g_brushes.end(); ++it)
        if (*it == b) {
            g_brushes.erase(it);
            break;
        }
    if (b->vector) b->freeRecord(b->record);
    delete b;
}

void free_all_brushes()
{
    while (!g_brushes.empty()) free_brush(g_brushes.back());
}

void register_brush_commands(lua_State *L)
{
    for (const HostCommandRow *c = kBrushCommands; c->name; c++) lua_register(L, c->name, c->function);
}

const KsGraphicsServices graphics_services = {createVectorBrush, lockBrush, unlockBrush};

} // namespace host
