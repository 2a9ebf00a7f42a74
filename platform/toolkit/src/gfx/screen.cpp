// The screen: its configuration, the open windows on it, composing them
// into one picture, and the observer that a presenter would install.
#include "toolkit/screen.h"

#include "toolkit/attributes.h"
#include "toolkit/images.h"
#include "toolkit/object.h"
#include "toolkit/theme.h"
#include "toolkit/world.h"

#include <algorithm>

namespace tk {

namespace {

bool depthFits(int depth, int format)
{
    if (depth >= 1 && depth <= 8) return format == kPixLut8;
    return format != kPixLut8 && formatDepth(format) == depth;
}

} // namespace

Screen &screen()
{
    World &w = world();
    if (!w.screen) {
        w.screen = new Screen;
        initColourMap(&w.screen->colours, 8);
    }
    return *w.screen;
}

int configureScreen(int width, int height, int depth, int format)
{
    Screen &s = screen();
    if (!s.windows.empty()) return kErrAlreadyUsed;
    if (width < 64 || height < 64 || width > 8192 || height > 8192 || !validFormat(format) || !depthFits(depth, format))
        return kErrBadArgument;
    s.width = width;
    s.height = height;
    s.depth = depth;
    s.format = format;
    initColourMap(&s.colours, depth <= 8 ? depth : 8);
    return 0;
}

bool paletteScreen() { return screen().format == kPixLut8; }

void resetScreen()
{
    World &w = world();
    if (w.screen) {
        freeBitMap(w.screen->lastRequester);
        freeBitMap(w.screen->menu.picture);
        delete w.screen;
        w.screen = nullptr;
    }
    for (auto &entry : w.images) delete entry.second;
    w.images.clear();
    w.nextImageKey = 1;
}

BitMap *windowBitMap(Object *window) { return reinterpret_cast<BitMap *>(getOr(window, attr::WinBitMap, 0)); }
RastPort *windowRastPort(Object *window) { return reinterpret_cast<RastPort *>(getOr(window, attr::WinRastPort, 0)); }

Rect windowBox(Object *window)
{
    if (!windowBitMap(window)) return Rect{};
    return Rect{int(SWord(getOr(window, attr::WinBoxLeft, 0))), int(SWord(getOr(window, attr::WinBoxTop, 0))),
                int(SWord(getOr(window, attr::WinBoxWidth, 0))), int(SWord(getOr(window, attr::WinBoxHeight, 0)))};
}

RastPort *rastPortOf(Object *object) { return windowRastPort(windowOf(object)); }

uint32_t windowPixel(Object *window, int x, int y) { return readRgb(windowBitMap(window), x, y); }

void screenAddWindow(Object *window)
{
    Screen &s = screen();
    s.windows.erase(std::remove(s.windows.begin(), s.windows.end(), window), s.windows.end());
    s.windows.push_back(window);
    if (s.observer.windowShown) s.observer.windowShown(s.observer.data, window);
}

void screenRemoveWindow(Object *window)
{
    Screen &s = screen();
    auto it = std::find(s.windows.begin(), s.windows.end(), window);
    if (it == s.windows.end()) return;
    s.windows.erase(it);
    if (s.menu.shown && s.menu.owner == window) closeMenuPicture();
    if (s.observer.windowGone) s.observer.windowGone(s.observer.data, window);
}

void noteDamage(Object *window, const Rect &area)
{
    Screen &s = screen();
    if (s.observer.damaged && !area.empty()) s.observer.damaged(s.observer.data, window, area);
}

void showRequesterPicture(BitMap *picture, const Rect &box, const std::vector<Rect> &buttons)
{
    Screen &s = screen();
    freeBitMap(s.lastRequester);
    s.lastRequester = picture;
    s.requester.picture = picture;
    s.requester.box = box;
    s.requester.parts = buttons;
    s.requester.shown = picture != nullptr;
}

void hideRequester() { screen().requester.shown = false; }

void showMenuPicture(BitMap *picture, const Rect &box, const std::vector<Rect> &rows, const void *window)
{
    Screen &s = screen();
    freeBitMap(s.menu.picture);
    s.menu.picture = picture;
    s.menu.box = box;
    s.menu.parts = rows;
    s.menu.owner = window;
    s.menu.shown = picture != nullptr;
}

void closeMenuPicture()
{
    Screen &s = screen();
    freeBitMap(s.menu.picture);
    s.menu = Overlay{};
}

BitMap *composeScreen()
{
    Screen &s = screen();
    BitMap *picture = allocBitMap(s.width, s.height, s.format, &s.colours);
    if (!picture) return nullptr;
    RastPort rp;
    rp.bitmap = picture;
    rectFill(&rp, 0, 0, s.width - 1, s.height - 1, kColScreen);
    rectFill(&rp, 0, 0, s.width - 1, s.titleBarHeight - 1, kColShine);
    drawLine(&rp, 0, s.titleBarHeight - 1, s.width - 1, s.titleBarHeight - 1, kColShadow);
    for (Object *window : s.windows) {
        const BitMap *bm = windowBitMap(window);
        const Rect box = windowBox(window);
        if (bm) bltBitMapRastPort(bm, 0, 0, &rp, box.x, box.y, bm->width, bm->height, 0xC0);
    }
    for (const Overlay *overlay : {&s.requester, &s.menu})
        if (overlay->shown && overlay->picture)
            bltBitMapRastPort(overlay->picture, 0, 0, &rp, overlay->box.x, overlay->box.y, overlay->picture->width,
                              overlay->picture->height, 0xC0);
    return picture;
}

uint32_t screenPixel(int x, int y)
{
    Screen &s = screen();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return 0;
    for (const Overlay *overlay : {&s.menu, &s.requester})
        if (overlay->shown && overlay->picture && overlay->box.contains(x, y))
            return readRgb(overlay->picture, x - overlay->box.x, y - overlay->box.y);
    for (auto it = s.windows.rbegin(); it != s.windows.rend(); ++it) {
        const Rect box = windowBox(*it);
        if (windowBitMap(*it) && box.contains(x, y)) return readRgb(windowBitMap(*it), x - box.x, y - box.y);
    }
    if (y < s.titleBarHeight - 1) return kColShine;
    return y == s.titleBarHeight - 1 ? kColShadow : kColScreen;
}

int saveWindowPng(Object *window, const char *path)
{
    const BitMap *bm = windowBitMap(window);
    if (!bm) return kErrNotOpen;
    return savePng(bm, path);
}

int saveScreenPng(const char *path)
{
    BitMap *picture = composeScreen();
    if (!picture) return kErrNoMemory;
    const int result = savePng(picture, path);
    freeBitMap(picture);
    return result;
}

} // namespace tk
