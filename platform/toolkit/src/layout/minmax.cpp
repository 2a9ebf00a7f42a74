// Size queries and placing: the common frame around AskMinMax and Layout,
// and sharing space among children by weight.
#include "toolkit/layout.h"

#include "toolkit/attributes.h"
#include "toolkit/methods.h"
#include "toolkit/object.h"
#include "toolkit/text.h"

#include <algorithm>

namespace tk {

namespace {

void order(long &min, long &def, long &max)
{
    min = std::clamp(min, 0L, kMaxMax);
    max = std::clamp(max, min, kMaxMax);
    def = std::clamp(def, min, max);
}

} // namespace

MinMax queryMinMax(Object *object)
{
    MinMax mm;
    if (!isAlive(object)) return mm;
    doMethod(object, method::AskMinMax, &mm);
    if (!isAlive(object)) return MinMax{};
    // A frame title needs its width, whatever the contents need.
    if (const char *title = reinterpret_cast<const char *>(getOr(object, attr::FrameTitle, 0)); title && *title) {
        TextOptions options;
        options.font = kFontTitle;
        const long need = measureText(title, options).width + 16;
        mm.minWidth = std::max(mm.minWidth, need);
        mm.defWidth = std::max(mm.defWidth, need);
        mm.maxWidth = std::max(mm.maxWidth, need);
    }
    if (const long fix = long(SWord(getOr(object, attr::FixWidth, 0))); fix > 0)
        mm.minWidth = mm.defWidth = mm.maxWidth = fix;
    if (const long fix = long(SWord(getOr(object, attr::FixHeight, 0))); fix > 0)
        mm.minHeight = mm.defHeight = mm.maxHeight = fix;
    order(mm.minWidth, mm.defWidth, mm.maxWidth);
    order(mm.minHeight, mm.defHeight, mm.maxHeight);
    object->minMax = mm;
    return mm;
}

void placeObject(Object *object, long left, long top, long width, long height)
{
    doMethod(object, method::Layout, SWord(left), SWord(top), SWord(std::max(0L, width)), SWord(std::max(0L, height)));
}

Rect objectBox(Object *object)
{
    return Rect{int(SWord(getOr(object, attr::Left, 0))), int(SWord(getOr(object, attr::Top, 0))),
                int(SWord(getOr(object, attr::Width, 0))), int(SWord(getOr(object, attr::Height, 0)))};
}

Rect innerBox(Object *object)
{
    return Rect{int(SWord(getOr(object, attr::MLeft, 0))), int(SWord(getOr(object, attr::MTop, 0))),
                int(SWord(getOr(object, attr::MWidth, 0))), int(SWord(getOr(object, attr::MHeight, 0)))};
}

bool takesPart(Object *object) { return isAlive(object) && getOr(object, attr::ShowMe, 1) != 0; }

std::vector<long> distributeSizes(long available, const std::vector<SizeItem> &items)
{
    const size_t n = items.size();
    std::vector<long> sizes(n);
    long sumMin = 0, sumDef = 0;
    for (const SizeItem &i : items) {
        sumMin += i.min;
        sumDef += i.def;
    }
    // Below the defaults everyone starts at the minimum and grows towards
    // the default; beyond them from the default towards the maximum.
    const bool towardsDefault = available < sumDef;
    std::vector<long> cap(n);
    for (size_t i = 0; i < n; ++i) {
        sizes[i] = towardsDefault ? items[i].min : items[i].def;
        cap[i] = towardsDefault ? items[i].def : items[i].max;
    }
    long extra = available - (towardsDefault ? sumMin : sumDef);
    // Rounds of sharing by weight; whoever reaches the cap drops out.
    while (extra > 0) {
        long totalWeight = 0;
        for (size_t i = 0; i < n; ++i)
            if (sizes[i] < cap[i]) totalWeight += items[i].weight;
        if (totalWeight <= 0) break;
        long given = 0;
        for (size_t i = 0; i < n; ++i) {
            if (sizes[i] >= cap[i] || items[i].weight <= 0) continue;
            const long share = std::min(cap[i] - sizes[i], extra * items[i].weight / totalWeight);
            sizes[i] += share;
            given += share;
        }
        if (given == 0) {
            // Rounding left a few pixels: one each, in order.
            for (size_t i = 0; i < n && extra - given > 0; ++i)
                if (sizes[i] < cap[i] && items[i].weight > 0) {
                    ++sizes[i];
                    ++given;
                }
            if (given == 0) break;
        }
        extra -= given;
    }
    return sizes;
}

} // namespace tk
