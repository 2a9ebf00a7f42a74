// Pictures drawn over the windows: a menu opened by the robot, drawn as a
// menu window with its items, and a requester drawn as a window with its
// title, body and buttons. They go to the screen's overlays (screen.h).
#pragma once

#include "toolkit/base.h"

#include <cstdint>
#include <string>

namespace tk {

struct Object;

// Draws a Menu.mui (or a Menuitem.mui that holds items) and shows it with
// its top left corner at (x, y) on the screen, kept inside the screen.
// `window` is the window the menu belongs to. 0 or an error code.
int openMenuPicture(Object *menu, int x, int y, const void *window);

// What a requester window shows.
struct RequesterLook {
    std::string title;
    std::string body;     // text with the layer's formatting codes
    std::string buttons;  // "a|*_b|c" as the message requester takes it
    Word icon = 0;        // 1 information, 2 question, 3 warning, 4 error; others none
    bool swatch = false;  // a colour sample under the body
    uint32_t swatchRgb = 0;
};
// Draws the requester and shows it centred over `window` (or the screen).
// 0 or an error code.
int showRequesterWindow(const RequesterLook &look, Object *window);

} // namespace tk
