// Rows, columns, grids and pages: the sizes children need together and
// where each goes.
#include "layout/group_layout.h"

#include "toolkit/attributes.h"
#include "toolkit/object.h"

#include <algorithm>

namespace tk {

namespace {

// The children that take part, and the grid they form.
struct Grid {
    std::vector<Object *> cells;
    long columns = 1, rows = 1;
    bool columnMajor = false;
    long column(size_t i) const { return columnMajor ? long(i) / rows : long(i) % columns; }
    long row(size_t i) const { return columnMajor ? long(i) % rows : long(i) / columns; }
};

Grid gridOf(Object *group, const GroupShape &shape)
{
    Grid g;
    for (Object *child : group->children)
        if (takesPart(child)) g.cells.push_back(child);
    const long n = std::max(1L, long(g.cells.size()));
    if (shape.columns > 0) {
        g.columns = std::min(shape.columns, n);
        g.rows = (n + g.columns - 1) / g.columns;
    } else if (shape.rows > 0) {
        g.rows = std::min(shape.rows, n);
        g.columns = (n + g.rows - 1) / g.rows;
        g.columnMajor = true;
    } else if (shape.horiz) {
        g.columns = n;
    } else {
        g.rows = n;
    }
    return g;
}

// One size item per column (widths) or per row (heights).
std::vector<SizeItem> lines(const Grid &g, bool widths, bool sameSize)
{
    std::vector<SizeItem> items(size_t(widths ? g.columns : g.rows), SizeItem{0, 0, 0, 0});
    std::vector<bool> seen(items.size(), false);
    for (size_t i = 0; i < g.cells.size(); ++i) {
        Object *c = g.cells[i];
        const MinMax &mm = c->minMax;
        SizeItem &it = items[size_t(widths ? g.column(i) : g.row(i))];
        const long min = widths ? mm.minWidth : mm.minHeight, def = widths ? mm.defWidth : mm.defHeight;
        const long max = widths ? mm.maxWidth : mm.maxHeight;
        const long weight = long(getOr(c, widths ? attr::HorizWeight : attr::VertWeight, 100));
        size_t at = size_t(widths ? g.column(i) : g.row(i));
        if (!seen[at]) {
            it = SizeItem{min, def, max, weight};
            seen[at] = true;
        } else {
            it.min = std::max(it.min, min);
            it.def = std::max(it.def, def);
            it.max = std::max(it.max, max);
            it.weight = std::max(it.weight, weight);
        }
    }
    for (SizeItem &it : items) {
        it.max = std::max(it.max, it.min);
        it.def = std::clamp(it.def, it.min, it.max);
    }
    if (sameSize && !items.empty()) {
        long min = 0, def = 0;
        for (const SizeItem &it : items) {
            min = std::max(min, it.min);
            def = std::max(def, it.def);
        }
        for (SizeItem &it : items) {
            it.min = min;
            it.def = def;
            it.max = std::max(it.max, def);
        }
    }
    return items;
}

long total(const std::vector<SizeItem> &items, long SizeItem::*field, long spacing)
{
    long sum = 0;
    for (const SizeItem &it : items) sum = std::min(kMaxMax, sum + it.*field);
    return std::min(kMaxMax, sum + spacing * std::max(0L, long(items.size()) - 1));
}

void place(Object *child, const Rect &cell)
{
    const MinMax &mm = child->minMax;
    const long w = std::min<long>(cell.width, mm.maxWidth), h = std::min<long>(cell.height, mm.maxHeight);
    placeObject(child, cell.x + (cell.width - w) / 2, cell.y + (cell.height - h) / 2, w, h);
}

} // namespace

MinMax groupContentsMinMax(Object *group, const GroupShape &shape)
{
    MinMax mm;
    std::vector<Object *> parts;
    for (Object *child : group->children)
        if (takesPart(child)) {
            queryMinMax(child);
            parts.push_back(child);
        }
    if (parts.empty()) return mm;
    if (shape.pageMode) {
        // Every page gets the same box: big enough for the largest, and as
        // large as the largest may grow (smaller pages sit centred in it).
        for (Object *p : parts) {
            mm.minWidth = std::max(mm.minWidth, p->minMax.minWidth);
            mm.minHeight = std::max(mm.minHeight, p->minMax.minHeight);
            mm.defWidth = std::max(mm.defWidth, p->minMax.defWidth);
            mm.defHeight = std::max(mm.defHeight, p->minMax.defHeight);
            mm.maxWidth = std::max(mm.maxWidth, p->minMax.maxWidth);
            mm.maxHeight = std::max(mm.maxHeight, p->minMax.maxHeight);
        }
        mm.maxWidth = std::max(mm.maxWidth, mm.minWidth);
        mm.maxHeight = std::max(mm.maxHeight, mm.minHeight);
        return mm;
    }
    const Grid g = gridOf(group, shape);
    const std::vector<SizeItem> cols = lines(g, true, shape.sameSize && (shape.horiz || shape.columns > 0));
    const std::vector<SizeItem> rows = lines(g, false, shape.sameSize && !shape.horiz && shape.columns <= 0);
    mm.minWidth = total(cols, &SizeItem::min, shape.horizSpacing);
    mm.defWidth = total(cols, &SizeItem::def, shape.horizSpacing);
    mm.maxWidth = total(cols, &SizeItem::max, shape.horizSpacing);
    mm.minHeight = total(rows, &SizeItem::min, shape.vertSpacing);
    mm.defHeight = total(rows, &SizeItem::def, shape.vertSpacing);
    mm.maxHeight = total(rows, &SizeItem::max, shape.vertSpacing);
    return mm;
}

void groupPlaceChildren(Object *group, const GroupShape &shape, const Rect &area)
{
    if (shape.pageMode) {
        for (Object *child : group->children)
            if (takesPart(child)) place(child, area);
        return;
    }
    const Grid g = gridOf(group, shape);
    if (g.cells.empty()) return;
    const std::vector<SizeItem> colItems = lines(g, true, shape.sameSize && (shape.horiz || shape.columns > 0));
    const std::vector<SizeItem> rowItems = lines(g, false, shape.sameSize && !shape.horiz && shape.columns <= 0);
    const std::vector<long> widths =
        distributeSizes(area.width - shape.horizSpacing * (g.columns - 1), colItems);
    const std::vector<long> heights = distributeSizes(area.height - shape.vertSpacing * (g.rows - 1), rowItems);
    // What nobody could take is shared out evenly around the cells.
    long usedW = shape.horizSpacing * (g.columns - 1), usedH = shape.vertSpacing * (g.rows - 1);
    for (long w : widths) usedW += w;
    for (long h : heights) usedH += h;
    std::vector<long> xs(widths.size()), ys(heights.size());
    long x = area.x + std::max(0L, (area.width - usedW) / 2), y = area.y + std::max(0L, (area.height - usedH) / 2);
    for (size_t c = 0; c < widths.size(); ++c) {
        xs[c] = x;
        x += widths[c] + shape.horizSpacing;
    }
    for (size_t r = 0; r < heights.size(); ++r) {
        ys[r] = y;
        y += heights[r] + shape.vertSpacing;
    }
    for (size_t i = 0; i < g.cells.size(); ++i) {
        const size_t c = size_t(g.column(i)), r = size_t(g.row(i));
        place(g.cells[i], Rect{int(xs[c]), int(ys[r]), int(widths[c]), int(heights[r])});
    }
}

} // namespace tk
