// Font services: the fonts built into the host (the three Bitstream Vera
// faces, linked into the program), fonts a script adds by hand (also fonts
// whose data lies inside a larger file), and the system's fonts through
// fontconfig.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The built-in font files, linked in from the folder KS_VERA_DIR names.
#define KS_STRINGIFY2(x) #x
#define KS_STRINGIFY(x) KS_STRINGIFY2(x)
#define KS_BUILTIN_FONT(symbol, file)                                   \
    asm(".section .rodata\n"                                            \
        ".balign 16\n"                                                  \
        ".globl " #symbol "_start\n" #symbol "_start:\n"                \
        ".incbin \"" KS_STRINGIFY(KS_VERA_DIR) "/" file "\"\n"          \
        ".globl " #symbol "_end\n" #symbol "_end:\n"                    \
        ".previous\n");                                                 \
    extern "C" const unsigned char symbol##_start[], symbol##_end[];

KS_BUILTIN_FONT(ks_vera_sans, "Vera.ttf")
KS_BUILTIN_FONT(ks_vera_serif, "VeraSe.ttf")
KS_BUILTIN_FONT(ks_vera_mono, "VeraMono.ttf")

namespace host {
namespace {

struct BuiltinFont {
    const char *name;
    const unsigned char *start;
    const unsigned char *end;
};

const BuiltinFont kBuiltinFonts[] = {
    {"Bitstream Vera Sans", ks_vera_sans_start, ks_vera_sans_end},
    {"Bitstream Vera Serif", ks_vera_serif_start, ks_vera_serif_end},
    {"Bitstream Vera Sans Mono", ks_vera_mono_start, ks_vera_mono_end},
    {nullptr, nullptr, nullptr},
};

struct AddedFont {
    std::string name;
    int weight, slant;
    std::string path;
    int64_t offset, length;
};

std::vector<AddedFont> g_added;

bool same_name(const char *a, const char *b)
{
    for (;; a++, b++) {
        if (latin1_lower(static_cast<unsigned char>(*a)) != latin1_lower(static_cast<unsigned char>(*b))) return false;
        if (!*a) return true;
    }
}

bool fill(KsFontFile *result, const std::string &path, int64_t offset, int64_t length)
{
    if (path.size() >= sizeof result->path) return false;
    std::memcpy(result->path, path.c_str(), path.size() + 1);
    result->offset = offset;
    result->length = length;
    return true;
}

// The added font of that name closest in weight and slant.
const AddedFont *find_added(const char *name, int weight, int slant)
{
    const AddedFont *best = nullptr;
    int bestDistance = 0;
    for (const AddedFont &f : g_added) {
        if (!same_name(f.name.c_str(), name)) continue;
        int distance = std::abs(f.weight - weight) + std::abs(f.slant - slant);
        if (!best || distance < bestDistance) best = &f, bestDistance = distance;
    }
    return best;
}

bool has_family(FcPattern *font, const char *name)
{
    FcChar8 *family = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; i++)
        if (same_name(reinterpret_cast<const char *>(family), name)) return true;
    return false;
}

// The best TrueType file fontconfig knows for the family: fonts of other
// families (fontconfig's fallbacks) do not count, nor faces inside a
// collection, which cannot be handed out as a file of their own.
bool find_system_font(const char *name, int weight, int slant, KsFontFile *result)
{
    // fontconfig is started on first use and finished at exit, which releases its caches.
    static bool started = false;
    if (!started) {
        if (!FcInit()) return false;
        std::atexit(FcFini);
        started = true;
    }
    FcPattern *pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, slant);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult status;
    FcFontSet *fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &status);
    bool found = false;
    for (int i = 0; fonts && i < fonts->nfont && !found; i++) {
        FcPattern *font = fonts->fonts[i];
        FcChar8 *file = nullptr, *format = nullptr;
        int index = 0;
        if (!has_family(font, name) || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
        if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch ||
            std::strcmp(reinterpret_cast<const char *>(format), "TrueType") != 0)
            continue;
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch && index != 0) continue;
        std::string path = reinterpret_cast<const char *>(file);
        if (path.size() > 4 && same_name(path.c_str() + path.size() - 4, ".ttc")) continue;
        found = fill(result, path, 0, 0);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcPatternDestroy(pattern);
    return found;
}

int findFont(const char *name, int weight, int slant, KsFontFile *result)
{
    if (!name || !result) return KS_ERR_FONT_NOT_FOUND;
    if (const AddedFont *f = find_added(name, weight, slant))
        return fill(result, f->path, f->offset, f->length) ? 0 : KS_ERR_FONT_NOT_FOUND;
    return find_system_font(name, weight, slant, result) ? 0 : KS_ERR_FONT_NOT_FOUND;
}

const void *builtinFont(const char *name, size_t *length)
{
    for (const BuiltinFont *f = kBuiltinFonts; name && f->name; f++) {
        if (std::strcmp(f->name, name) == 0) {
            if (length) *length = size_t(f->end - f->start);
            return f->start;
        }
    }
    return nullptr;
}

// AddFontFile(name, weight, slant, path[, offset, length]): the font service
// finds this font by name before the system's fonts; with an offset and a
// length its data lies inside the larger file `path`.
int cmd_AddFontFile(lua_State *L)
{
    AddedFont f;
    f.name = luaL_checkstring(L, 1);
    f.weight = int(luaL_checkinteger(L, 2));
    f.slant = int(luaL_checkinteger(L, 3));
    f.path = luaL_checkstring(L, 4);
    f.offset = luaL_optinteger(L, 5, 0);
    f.length = luaL_optinteger(L, 6, 0);
    if (f.offset < 0 || f.length < 0) return luaL_error(L, "AddFontFile: offset and length must not be negative");
    g_added.push_back(std::move(f));
    return 0;
}

const HostCommandRow kFontCommands[] = {
    {"AddFontFile", cmd_AddFontFile},
    {nullptr, nullptr},
};

} // namespace

void register_font_commands(lua_State *L)
{
    for (const HostCommandRow *c = kFontCommands; c->name; c++) lua_register(L, c->name, c->function);
}

const KsFontServices font_services = {findFont, builtinFont};

} // namespace host
