// The layer's look: the colours every widget draws with, the fonts, and the
// frame kinds with their border and spacing sizes.
#pragma once

#include "toolkit/base.h"

#include <cstdint>

namespace tk {

// Colours, 0xRRGGBB.
constexpr uint32_t kColBackground = 0xC8C8C8; // windows and groups
constexpr uint32_t kColShine = 0xFFFFFF;      // lit edges
constexpr uint32_t kColShadow = 0x5A5A5A;     // dark edges
constexpr uint32_t kColText = 0x000000;
constexpr uint32_t kColField = 0xFFFFFF;      // text fields, lists
constexpr uint32_t kColFill = 0x4A78B8;       // selection, gauges, knobs, active title bar
constexpr uint32_t kColFillText = 0xFFFFFF;   // text on the fill colour
constexpr uint32_t kColPressed = 0xA8A8A8;    // a pressed button
constexpr uint32_t kColGhost = 0x8C8C8C;      // disabled widgets
constexpr uint32_t kColTitleInactive = 0x8C96A0;
constexpr uint32_t kColScreen = 0x566C80;     // the screen behind the windows

// A Background value 0x01RRGGBB is a plain colour; 0 takes the parent's.
constexpr Word kBackgroundRgb = 0x01000000;

constexpr uint32_t kThemeColours[] = {kColBackground, kColText,  kColShine,  kColShadow,          kColFill,
                                      kColField,      kColPressed, kColGhost, kColTitleInactive, kColScreen};
constexpr int kThemeColourCount = int(sizeof kThemeColours / sizeof kThemeColours[0]);

// Fonts: fixed faces at fixed pixel sizes, the same on every run.
enum FontKind : int {
    kFontNormal = 0, // DejaVu Sans 12 px: labels, buttons, lists
    kFontFixed = 1,  // DejaVu Sans Mono 12 px
    kFontTitle = 2,  // DejaVu Sans Bold 12 px: window and frame titles
    kFontBig = 3,    // DejaVu Sans 16 px
};
// The font an area's Font attribute names (0, or a small number; anything
// else is the normal font).
int fontFromAttribute(Word value);

// Frame kinds of the Frame attribute.
enum FrameKind : int {
    kFrameNone = 0,
    kFrameButton = 1,
    kFrameImageButton = 2,
    kFrameText = 3,
    kFrameString = 4,
    kFrameReadList = 5,
    kFrameInputList = 6,
    kFrameProp = 7,
    kFrameGauge = 8,
    kFrameGroup = 9,
    kFramePopUp = 10,
    kFrameVirtual = 11,
    kFrameSlider = 12,
    kFrameKnob = 13,
    kFrameDrag = 14,
};

enum BevelStyle : int { kBevelNone, kBevelRaised, kBevelRecessed, kBevelEtched };

struct FrameSpec {
    int border;       // edge width on every side
    int inner[4];     // spacing inside the edge: left, right, top, bottom
    BevelStyle style;
    bool field;       // the inside is a white field
};

// The description of a frame kind (unknown kinds are no frame).
const FrameSpec &frameSpec(Word frame);

} // namespace tk
