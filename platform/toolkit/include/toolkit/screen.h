// The screen the windows open on. It has a size, a depth and a pixel format
// (true-colour ARGB32 unless configured otherwise; a depth of 8 or less is a
// palette screen whose colours are pens of its colour map). Each open window
// draws into a bitmap of its own in the screen's format; the screen knows
// the open windows back to front, and tells an observer (a presenter that
// shows the windows for real) when a window appears, goes, or has new
// pixels. Nothing here needs a display: pictures are read back or saved as
// PNG files.
#pragma once

#include "toolkit/bitmap.h"
#include "toolkit/rastport.h"

#include <cstdint>
#include <vector>

namespace tk {

struct Object;

struct ScreenObserver {
    void *data = nullptr;
    void (*windowShown)(void *data, Object *window) = nullptr; // opened, moved or resized
    void (*windowGone)(void *data, Object *window) = nullptr;
    void (*damaged)(void *data, Object *window, const Rect &area) = nullptr; // window coordinates
};

// A picture shown over the windows for a while: the menu the robot opened,
// or the requester being shown. `parts` are its rows (menu items, in order,
// separators included) or its buttons (from the left), in the picture's
// coordinates; `owner` only identifies the window it belongs to and is
// never followed.
struct Overlay {
    BitMap *picture = nullptr;
    Rect box; // on the screen
    std::vector<Rect> parts;
    bool shown = false;
    const void *owner = nullptr;
};

struct Screen {
    int width = 1024, height = 768;
    int depth = 32;
    int format = kPixArgb32;
    int titleBarHeight = 20;        // windows "below the screen title" start under it
    int mouseX = 512, mouseY = 384; // where "under the mouse" is
    ColourMap colours;              // palette screens
    std::vector<Object *> windows;  // open windows, back to front
    ScreenObserver observer;
    uint64_t layouts = 0, fullDraws = 0, updateDraws = 0; // counted for tests and benchmarks
    BitMap *lastRequester = nullptr; // the picture of the last requester shown (kept after it goes)
    Overlay requester;               // its place, its buttons, whether it is on the screen
    Overlay menu;                    // the menu opened by the robot, while it is open
};

// The screen, made on first use (1024 x 768, 32-bit ARGB).
Screen &screen();
// Changes size, depth and format while no window is open. The format must
// fit the depth: 1 to 8 palette, 15 formats 1-4, 16 formats 5-8, 24 formats
// 9-10, 32 formats 11-13. Errors: kErrBadArgument for a size, depth or
// format that does not fit, kErrAlreadyUsed while windows are open.
int configureScreen(int width, int height, int depth, int format);
bool paletteScreen();
// Back to the default screen (windows must be closed). For tests.
void resetScreen();

// The drawing of an open window: its bitmap and rastport, its place on the
// screen (borders included); null or empty when it is not open.
BitMap *windowBitMap(Object *window);
RastPort *windowRastPort(Object *window);
Rect windowBox(Object *window);
// The rastport an object draws into (its window's), or null.
RastPort *rastPortOf(Object *object);
// The colour of a pixel of a window (window coordinates), 0 when not open.
uint32_t windowPixel(Object *window, int x, int y);

// Windows joining and leaving the screen, and pixels that changed (the
// window classes call these).
void screenAddWindow(Object *window);
void screenRemoveWindow(Object *window);
void noteDamage(Object *window, const Rect &area);

// Requesters and menus over the windows. A requester stays on the screen
// from the moment it is shown until the next input action is handled (its
// picture stays in lastRequester); an opened menu stays until it is closed,
// an item is picked or any other action is handled, or its window closes.
void showRequesterPicture(BitMap *picture, const Rect &box, const std::vector<Rect> &buttons);
void hideRequester();
void showMenuPicture(BitMap *picture, const Rect &box, const std::vector<Rect> &rows, const void *window);
void closeMenuPicture();

// The screen with every open window on it, back to front, and the requester
// and menu shown over them; freed by the caller.
BitMap *composeScreen();
// The colour a screenshot of the screen shows at (x, y), without composing
// the whole screen; 0 outside it.
uint32_t screenPixel(int x, int y);
// PNG files, 8-bit RGB. 0 or an error code.
int savePng(const BitMap *bitmap, const char *path);
int saveWindowPng(Object *window, const char *path);
int saveScreenPng(const char *path);

} // namespace tk
