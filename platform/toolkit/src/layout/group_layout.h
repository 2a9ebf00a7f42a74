// The arrangement of a group's children: a row, a column, a grid of columns
// or rows, or pages on top of each other. Used by the group classes for
// their size query and their layout.
#pragma once

#include "toolkit/layout.h"

namespace tk {

struct GroupShape {
    bool horiz = false;
    long columns = 0, rows = 0; // a grid: children fill rows of `columns`, or columns of `rows`
    long horizSpacing = kGroupSpacing, vertSpacing = kGroupSpacing;
    bool pageMode = false;
    bool sameSize = false;
};

// The sizes the children need together, spacing included (no frame).
MinMax groupContentsMinMax(Object *group, const GroupShape &shape);
// Places the children inside `area` (window coordinates).
void groupPlaceChildren(Object *group, const GroupShape &shape, const Rect &area);

} // namespace tk
