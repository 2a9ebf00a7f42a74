// The frame table and font choice of the layer's look.
#include "toolkit/theme.h"

namespace tk {

namespace {

// One row per frame kind, in the order of FrameKind.
const FrameSpec kFrames[] = {
    {0, {0, 0, 0, 0}, kBevelNone, false},     // none
    {2, {4, 4, 2, 2}, kBevelRaised, false},   // button
    {2, {1, 1, 1, 1}, kBevelRaised, false},   // image button
    {2, {3, 3, 2, 2}, kBevelRecessed, false}, // text
    {2, {3, 3, 2, 2}, kBevelRecessed, true},  // string
    {2, {2, 2, 2, 2}, kBevelRecessed, true},  // read list
    {2, {2, 2, 2, 2}, kBevelRecessed, true},  // input list
    {2, {1, 1, 1, 1}, kBevelRecessed, false}, // prop
    {2, {1, 1, 1, 1}, kBevelRecessed, true},  // gauge
    {2, {4, 4, 4, 4}, kBevelEtched, false},   // group
    {2, {2, 2, 2, 2}, kBevelRaised, false},   // pop-up
    {0, {0, 0, 0, 0}, kBevelNone, false},     // virtual
    {2, {1, 1, 1, 1}, kBevelRecessed, false}, // slider
    {2, {1, 1, 1, 1}, kBevelRaised, false},   // knob
    {1, {1, 1, 1, 1}, kBevelRecessed, false}, // drag
};

} // namespace

const FrameSpec &frameSpec(Word frame)
{
    if (frame >= sizeof kFrames / sizeof kFrames[0]) return kFrames[0];
    return kFrames[frame];
}

int fontFromAttribute(Word value)
{
    switch (value) {
    case 1: return kFontFixed;
    case 2: return kFontTitle;
    case 3: return kFontBig;
    }
    return kFontNormal;
}

} // namespace tk
