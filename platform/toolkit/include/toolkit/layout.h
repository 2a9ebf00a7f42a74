// Layout: every area answers a size query (AskMinMax: minimum, default and
// maximum, each class adding its needs to its superclass's answer), and is
// then placed (Layout) at a box in window coordinates; groups share their
// inside among their children by weight, in rows, columns, a grid, or as
// pages of which one shows. Windows size themselves from their root and
// re-lay out when a change bracket ends, a widget is shown or hidden, or a
// widget's needs no longer fit its box.
//
// Area's size query fills Object::inset with the room its frame, frame
// title and inner spacing take; a class that draws something around its
// contents (register tabs, scroll bars) adds to the inset and to the sizes.
// The inside of an area is its box less the inset.
#pragma once

#include "toolkit/base.h"
#include "toolkit/rastport.h"

#include <vector>

namespace tk {

struct Object;

constexpr long kMaxMax = 10000;  // "as large as you like"
constexpr int kGroupSpacing = 4; // between the children of a group, unless set
constexpr int kWindowMargin = 4; // between a window's borders and its root

// Sends AskMinMax, then applies the area's fixed sizes and puts the three
// in order (min <= default <= max <= kMaxMax). The result is also kept in
// object->minMax.
MinMax queryMinMax(Object *object);
// Places an object at a box (window coordinates).
void placeObject(Object *object, long left, long top, long width, long height);
// The box of an area and its inside, as the last layout placed it.
Rect objectBox(Object *object);
Rect innerBox(Object *object);
// False for an area hidden with ShowMe: groups leave it out.
bool takesPart(Object *object);

// Shares `available` pixels among items: each gets at least its minimum;
// up to the sum of defaults the space goes towards the defaults, beyond it
// towards the maxima, by weight (weight 0 never grows past its start).
// What nobody can take is left over (the sizes then sum to less).
struct SizeItem {
    long min = 0, def = 0, max = 0, weight = 100;
};
std::vector<long> distributeSizes(long available, const std::vector<SizeItem> &items);

// Window geometry. Sizes: positive = the inside in pixels, -1001 default,
// -1 to -100 a share between minimum and maximum, -101 to -200 a share of
// the screen below its title bar, -201 to -300 a share of the screen.
// Positions: >= 0 pixels, -1 centred, -2 under the mouse, left -1000 - n: n
// pixels from the right edge, top -3 - n: n pixels below the screen's title.
long resolveWindowSize(SWord given, long min, long def, long max, long screenSize, long visibleSize);
long resolveWindowPos(SWord given, long size, long screenSize, long mouse, long titleBar, bool vertical);

// Re-lays out the window holding the object now (nothing while it is not
// open): the window keeps its size when its contents fit, else it grows or
// shrinks to fit; then everything is drawn anew.
void requestLayout(Object *object);
// The same for a window, and a new size for its inside (a presenter's
// resize); clamped to what the contents allow. 0, or kErrNotOpen.
int resizeWindow(Object *window, long innerWidth, long innerHeight);

} // namespace tk
