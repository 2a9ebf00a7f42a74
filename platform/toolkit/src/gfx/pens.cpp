// Colour maps of palette screens: the fixed colours of the layer, shared
// pens counted per user, and the palette drawing context.
#include "toolkit/bitmap.h"
#include "toolkit/theme.h"

namespace tk {

namespace {

long distance(uint32_t a, uint32_t b)
{
    const long dr = long((a >> 16) & 0xFF) - long((b >> 16) & 0xFF);
    const long dg = long((a >> 8) & 0xFF) - long((b >> 8) & 0xFF);
    const long db = long(a & 0xFF) - long(b & 0xFF);
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

bool allocated(const ColourMap *map, int pen) { return map->fixed[pen] || map->users[pen] > 0; }

} // namespace

void initColourMap(ColourMap *map, int depth)
{
    *map = ColourMap();
    map->size = depth >= 8 ? 256 : (depth < 1 ? 2 : 1 << depth);
    // The theme's colours take the first pens, as far as there is room
    // (a two-colour screen gets the background and the text colour).
    int pen = 0;
    for (int i = 0; i < kThemeColourCount && pen < map->size; ++i) {
        bool known = false;
        for (int p = 0; p < pen; ++p) known = known || map->rgb[p] == kThemeColours[i];
        if (known) continue;
        map->rgb[pen] = kThemeColours[i];
        map->fixed[pen] = true;
        ++pen;
    }
}

int obtainBestPen(ColourMap *map, uint32_t rgb)
{
    rgb &= 0xFFFFFF;
    int freePen = -1;
    for (int p = 0; p < map->size; ++p) {
        if (allocated(map, p) && map->rgb[p] == rgb) {
            ++map->users[p];
            return p;
        }
        if (!allocated(map, p) && freePen < 0) freePen = p;
    }
    if (freePen >= 0) {
        map->rgb[freePen] = rgb;
        map->users[freePen] = 1;
        return freePen;
    }
    const int p = nearestPen(map, rgb);
    ++map->users[p];
    return p;
}

void releasePen(ColourMap *map, int pen)
{
    if (!map || pen < 0 || pen >= map->size || map->users[pen] <= 0) return;
    --map->users[pen];
}

int nearestPen(const ColourMap *map, uint32_t rgb)
{
    int best = 0;
    long bestDistance = -1;
    for (int p = 0; p < map->size; ++p) {
        if (!allocated(map, p)) continue;
        const long d = distance(map->rgb[p], rgb & 0xFFFFFF);
        if (bestDistance < 0 || d < bestDistance) {
            best = p;
            bestDistance = d;
        }
    }
    return best;
}

int pensInUse(const ColourMap *map)
{
    int n = 0;
    for (int p = 0; p < map->size; ++p) n += allocated(map, p) ? 1 : 0;
    return n;
}

int PenSet::pen(uint32_t rgb)
{
    rgb &= 0xFFFFFF;
    auto it = byColour.find(rgb);
    if (it != byColour.end()) return it->second;
    const int p = obtainBestPen(map, rgb);
    byColour[rgb] = p;
    return p;
}

void PenSet::releaseAll()
{
    for (const auto &entry : byColour) releasePen(map, entry.second);
    byColour.clear();
}

PaletteContext *createPaletteContext(ColourMap *map)
{
    if (!map) return nullptr;
    PaletteContext *context = new PaletteContext;
    context->pens.map = map;
    return context;
}

void freePaletteContext(PaletteContext *context)
{
    if (!context) return;
    context->pens.releaseAll();
    delete context;
}

} // namespace tk
