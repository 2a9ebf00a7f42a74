// Anims: files opened through the anim loaders plugins declare. A raster anim
// hands out frames as pixel buffers; a vector anim hands out frame records the
// plugin renders, which the host keeps per frame until the anim is freed.
#include "brushes.h"

extern "C" {
#include <lauxlib.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>

namespace host {
namespace {

struct Anim {
    ScriptId id{};
    const AnimLoader *loader = nullptr;
    void *handle = nullptr;
    uint32_t info[KS_ANIM_INFO_WORDS] = {};
    bool transparent = false;
    std::vector<void *> vectorFrames; // loaded vector frames by index
};

std::vector<Anim *> g_anims;

Anim *find_anim(const ScriptId &id)
{
    for (Anim *a : g_anims)
        if (a->id.number == id.number && a->id.pointer == id.pointer) return a;
    return nullptr;
}

bool is_vector(const Anim *a) { return a->info[11] != 0; }
int frame_count(const Anim *a) { return int(a->info[3]); }

void free_anim(Anim *a)
{
    for (auto it = g_anims.begin(); it != g_anims.end(); ++it)
        if (*it == a) {
            g_anims.erase(it);
            break;
        }
    for (void *frame : a->vectorFrames)
        if (frame) a->loader->freeVectorFrame(frame);
    a->loader->closeAnim(a->handle);
    delete a;
}

Anim *check_anim(lua_State *L, int pos)
{
    ScriptId id;
    read_id(L, pos, &id);
    Anim *a = find_anim(id);
    if (!a) luaL_error(L, "Anim does not exist");
    return a;
}

int check_frame(lua_State *L, Anim *a, int pos)
{
    lua_Integer f = luaL_checkinteger(L, pos);
    if (f < 1 || f > frame_count(a)) luaL_error(L, "Frame %d is out of range (1 to %d)", int(f), frame_count(a));
    return int(f) - 1;
}

// The vector frame of index i, loaded on first use.
void *vector_frame(lua_State *L, Anim *a, int index)
{
    if (!a->vectorFrames[index]) {
        uint32_t request[KS_FRAME_REQUEST_WORDS] = {};
        request[4] = a->transparent ? 1 : 0;
        a->vectorFrames[index] = a->loader->loadFrame(a->handle, index, request);
        if (!a->vectorFrames[index]) luaL_error(L, "Cannot load frame %d", index + 1);
    }
    return a->vectorFrames[index];
}

// LoadAnim(id|nil, file[, {transparent = 1}]) -> automatic id when id is nil
int cmd_LoadAnim(lua_State *L)
{
    ScriptId id;
    read_id(L, 1, &id);
    const char *file = luaL_checkstring(L, 2);
    bool transparent = false;
    if (!lua_isnoneornil(L, 3)) {
        luaL_checktype(L, 3, LUA_TTABLE);
        lua_getfield(L, 3, "transparent");
        transparent = lua_isnumber(L, -1) ? lua_tonumber(L, -1) != 0 : lua_toboolean(L, -1) != 0;
        lua_pop(L, 1);
    }
    auto *a = new Anim;
    a->transparent = transparent;
    for (const AnimLoader *loader = first_anim_loader(); loader; loader = next_anim_loader(loader)) {
        std::memset(a->info, 0, sizeof a->info);
        a->handle = loader->openAnim(file, a->info);
        if (a->handle) {
            a->loader = loader;
            break;
        }
    }
    if (!a->handle) {
        delete a;
        return luaL_error(L, "Cannot load anim \"%s\"", file);
    }
    if (id.number != KS_ID_AUTO)
        if (Anim *old = find_anim(id)) free_anim(old);
    a->id = id.number == KS_ID_AUTO ? ScriptId{KS_ID_AUTO, a} : id;
    a->vectorFrames.assign(size_t(frame_count(a)), nullptr);
    g_anims.push_back(a);
    if (id.number != KS_ID_AUTO) return 0;
    lua_pushlightuserdata(L, a);
    return 1;
}

// GetAnimInfo(id) -> width, height, frames, vector flag
int cmd_GetAnimInfo(lua_State *L)
{
    Anim *a = check_anim(L, 1);
    lua_pushinteger(L, a->info[0]);
    lua_pushinteger(L, a->info[1]);
    lua_pushinteger(L, a->info[3]);
    lua_pushinteger(L, is_vector(a) ? 1 : 0);
    return 4;
}

// AnimFrameToBrush(anim, frame, brush|nil): copies a frame's current pixels into a raster brush.
int cmd_AnimFrameToBrush(lua_State *L)
{
    Anim *a = check_anim(L, 1);
    int index = check_frame(L, a, 2);
    ScriptId id;
    read_id(L, 3, &id);
    Brush *b;
    if (is_vector(a)) {
        KsPixelInfo info{};
        const uint32_t *pixels = a->loader->getFrame(vector_frame(L, a, index), &info);
        if (!pixels) return luaL_error(L, "Cannot read frame %d", index + 1);
        b = make_raster_brush(id, info.width, info.height, pixels, info.pixelsPerRow, info.alpha != 0);
    } else {
        uint32_t request[KS_FRAME_REQUEST_WORDS] = {};
        request[4] = a->transparent ? 1 : 0;
        auto *pixels = static_cast<uint32_t *>(a->loader->loadFrame(a->handle, index, request));
        if (!pixels) return luaL_error(L, "Cannot load frame %d", index + 1);
        int w = int(a->info[0]), h = int(a->info[1]);
        b = make_raster_brush(id, w, h, pixels, w, a->transparent);
        a->loader->freeFrame(pixels);
    }
    if (id.number != KS_ID_AUTO) return 0;
    lua_pushlightuserdata(L, b);
    return 1;
}

// TransformAnimFrame(anim, frame, m0, m1, m2, m3) -> width, height of the frame rendered again.
int cmd_TransformAnimFrame(lua_State *L)
{
    Anim *a = check_anim(L, 1);
    int index = check_frame(L, a, 2);
    const double m[4] = {luaL_checknumber(L, 3), luaL_checknumber(L, 4), luaL_checknumber(L, 5),
                         luaL_checknumber(L, 6)};
    if (!is_vector(a)) return luaL_error(L, "Only vector anims can transform frames");
    void *frame = vector_frame(L, a, index);
    double w = a->info[0], h = a->info[1];
    double xs[4] = {0, m[0] * w, m[2] * h, m[0] * w + m[2] * h};
    double ys[4] = {0, m[1] * w, m[3] * h, m[1] * w + m[3] * h};
    int width = int(std::lround(*std::max_element(xs, xs + 4) - *std::min_element(xs, xs + 4)));
    int height = int(std::lround(*std::max_element(ys, ys + 4) - *std::min_element(ys, ys + 4)));
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768)
        return luaL_error(L, "Cannot transform frame to %d x %d pixels", width, height);
    if (!a->loader->transformFrame(frame, m, width, height)) return luaL_error(L, "Cannot transform frame");
    KsPixelInfo info{};
    a->loader->getFrame(frame, &info);
    lua_pushinteger(L, info.width);
    lua_pushinteger(L, info.height);
    return 2;
}

int cmd_FreeAnim(lua_State *L)
{
    free_anim(check_anim(L, 1));
    return 0;
}

const HostCommandRow kAnimCommands[] = {
    {"LoadAnim", cmd_LoadAnim},
    {"GetAnimInfo", cmd_GetAnimInfo},
    {"AnimFrameToBrush", cmd_AnimFrameToBrush},
    {"TransformAnimFrame", cmd_TransformAnimFrame},
    {"FreeAnim", cmd_FreeAnim},
    {nullptr, nullptr},
};

} // namespace

void register_anim_commands(lua_State *L)
{
    for (const HostCommandRow *c = kAnimCommands; c->name; c++) lua_register(L, c->name, c->function);
}

void free_all_anims()
{
    while (!g_anims.empty()) free_anim(g_anims.back());
}

} // namespace host
