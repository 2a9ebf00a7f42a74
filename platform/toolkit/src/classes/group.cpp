// Group.mui: an area holding child widgets in a row, a column, columns, or
// as pages of which one shows. Children are added and removed at run time
// inside the change bracket that the layout layer re-lays out at its end.
#include "class_support.h"
#include "layout/group_layout.h"
#include "toolkit/draw.h"
#include "toolkit/layout.h"

#include <algorithm>

namespace tk {

namespace {

struct GroupData {
    bool horiz = false;
    Word columns = 0, rows = 0;
    Word horizSpacing = kGroupSpacing, vertSpacing = kGroupSpacing;
    bool sameSize = false;
    bool pageMode = false;
    long activePage = 0;
    int changeDepth = 0;
    bool setUp = false, shown = false;
};

long pageCount(Object *object) { return long(object->children.size()); }

long resolvePage(Object *object, GroupData *d, SWord value)
{
    const long count = pageCount(object);
    if (count == 0) return 0;
    long page = d->activePage;
    switch (value) {
    case attr::PageFirst: page = 0; break;
    case attr::PageLast: page = count - 1; break;
    case attr::PagePrev: page = page > 0 ? page - 1 : 0; break;
    case attr::PageNext: page = page + 1 < count ? page + 1 : count - 1; break;
    case attr::PageAdvance: page = (page + 1) % count; break;
    default: page = value < 0 ? 0 : (value >= count ? count - 1 : long(value)); break;
    }
    return page;
}

bool childVisible(Object *object, GroupData *d, Object *child)
{
    if (!d->pageMode) return true;
    const long count = pageCount(object);
    return count > 0 && object->children[size_t(std::min(d->activePage, count - 1))] == child;
}

bool showsChild(Object *object, GroupData *d, Object *child) { return childVisible(object, d, child) && takesPart(child); }

// Brings a child to the group's drawing state, or takes it out of it.
void joinScreen(Object *object, GroupData *d, Object *child)
{
    if (d->setUp) doMethod(child, method::Setup);
    if (d->shown && showsChild(object, d, child)) doMethod(child, method::Show);
}

void leaveScreen(Object *child)
{
    doMethod(child, method::Hide);
    doMethod(child, method::Cleanup);
}

void switchPage(Object *object, GroupData *d, long page, bool quiet)
{
    if (page == d->activePage) return;
    Object *oldPage = d->activePage < pageCount(object) ? object->children[size_t(d->activePage)] : nullptr;
    d->activePage = page;
    if (d->shown && oldPage) doMethod(oldPage, method::Hide);
    if (d->shown && page < pageCount(object)) doMethod(object->children[size_t(page)], method::Show);
    changed(object, attr::GroupActivePage, Word(page), quiet);
    redraw(object, kDrawObject);
}

GroupShape shapeOf(const GroupData *d)
{
    GroupShape shape;
    shape.horiz = d->horiz;
    shape.columns = long(d->columns);
    shape.rows = long(d->rows);
    shape.horizSpacing = long(SWord(d->horizSpacing));
    shape.vertSpacing = long(SWord(d->vertSpacing));
    shape.pageMode = d->pageMode;
    shape.sameSize = d->sameSize;
    return shape;
}

// Children hidden with ShowMe leave the screen; shown ones come back.
void syncShown(Object *object, GroupData *d)
{
    if (!d->shown) return;
    for (size_t i = 0; i < object->children.size(); ++i) {
        Object *child = object->children[i];
        doMethod(child, showsChild(object, d, child) ? method::Show : method::Hide);
    }
}

// A change outside a change bracket re-lays out the window at once.
void relayoutUnlessChanging(Object *object, GroupData *d)
{
    if (d->changeDepth == 0) requestLayout(object);
}

void applySet(Object *object, GroupData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        switch (w.tag()) {
        case attr::GroupHoriz: d->horiz = v != 0; break;
        case attr::GroupColumns: d->columns = v; break;
        case attr::GroupRows: d->rows = v; break;
        case attr::GroupSpacing: d->horizSpacing = d->vertSpacing = v; break;
        case attr::GroupHorizSpacing: d->horizSpacing = v; break;
        case attr::GroupVertSpacing: d->vertSpacing = v; break;
        case attr::GroupSameSize: d->sameSize = v != 0; break;
        case attr::GroupPageMode: d->pageMode = v != 0; break;
        case attr::GroupActivePage: switchPage(object, d, resolvePage(object, d, SWord(v)), w.quiet()); break;
        }
    }
}

Word insertChild(Object *object, GroupData *d, Object *child, long index)
{
    if (!canAdopt(object, child)) return 0;
    adopt(object, child, index);
    joinScreen(object, d, child);
    relayoutUnlessChanging(object, d);
    return 1;
}

Word removeChild(Object *object, GroupData *d, Object *child)
{
    const long index = childIndex(object, child);
    if (index < 0) return 0;
    leaveScreen(child);
    release(object, child);
    relayoutUnlessChanging(object, d);
    if (!d->pageMode) return 1;
    if (index < d->activePage) {
        --d->activePage; // the same page stays in front
    } else if (index == d->activePage && pageCount(object) > 0) {
        // The page in front went: the next one (or the new last) shows.
        d->activePage = std::min(d->activePage, pageCount(object) - 1);
        if (d->shown) doMethod(object->children[size_t(d->activePage)], method::Show);
        changed(object, attr::GroupActivePage, Word(d->activePage), false);
    }
    return 1;
}

Word sortChildren(Object *object, const Word *list)
{
    std::vector<Object *> order;
    for (size_t i = 0; list[i]; ++i) order.push_back(reinterpret_cast<Object *>(list[i]));
    std::vector<Object *> current = object->children;
    std::vector<Object *> sortedOrder = order, sortedCurrent = current;
    std::sort(sortedOrder.begin(), sortedOrder.end());
    std::sort(sortedCurrent.begin(), sortedCurrent.end());
    // Only a true reordering of the same children is accepted.
    if (sortedOrder != sortedCurrent) return 0;
    object->children = order;
    return 1;
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        GroupData *d = constructData<GroupData>(cls, object, msg);
        if (!d) return 0;
        if (!adoptChildren(object, msgTags(msg), attr::GroupChild)) return abandonNew<GroupData>(cls, object);
        applySet(object, d, msgTags(msg));
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<GroupData>(cls, object, msg);
    case method::Set:
        applySet(object, instance<GroupData>(cls, object), msgTags(msg));
        return doSuperMethodA(cls, object, msg);
    case method::Get: {
        GroupData *d = instance<GroupData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::GroupHoriz: return answer(msg, d->horiz);
        case attr::GroupColumns: return answer(msg, d->columns);
        case attr::GroupRows: return answer(msg, d->rows);
        case attr::GroupSpacing:
        case attr::GroupHorizSpacing: return answer(msg, d->horizSpacing);
        case attr::GroupVertSpacing: return answer(msg, d->vertSpacing);
        case attr::GroupSameSize: return answer(msg, d->sameSize);
        case attr::GroupPageMode: return answer(msg, d->pageMode);
        case attr::GroupActivePage: return answer(msg, Word(d->activePage));
        case attr::GroupChildCount: return answer(msg, Word(object->children.size()));
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::AddMember:
    case method::FamilyAddTail:
        return insertChild(object, instance<GroupData>(cls, object), reinterpret_cast<Object *>(msg[1]), -1);
    case method::FamilyAddHead:
        return insertChild(object, instance<GroupData>(cls, object), reinterpret_cast<Object *>(msg[1]), 0);
    case method::FamilyInsert: {
        Object *after = reinterpret_cast<Object *>(msg[2]);
        long at = after ? childIndex(object, after) : -1;
        if (after && at < 0) return 0;
        return insertChild(object, instance<GroupData>(cls, object), reinterpret_cast<Object *>(msg[1]),
                           after ? at + 1 : 0);
    }
    case method::RemMember:
    case method::FamilyRemove:
        return removeChild(object, instance<GroupData>(cls, object), reinterpret_cast<Object *>(msg[1]));
    case method::GroupSort: {
        const Word sorted = sortChildren(object, msg + 1);
        if (sorted) relayoutUnlessChanging(object, instance<GroupData>(cls, object));
        return sorted;
    }
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        MinMax *mm = reinterpret_cast<MinMax *>(msg[1]);
        const MinMax contents = groupContentsMinMax(object, shapeOf(instance<GroupData>(cls, object)));
        mm->minWidth += contents.minWidth;
        mm->defWidth += contents.defWidth;
        mm->maxWidth += contents.maxWidth;
        mm->minHeight += contents.minHeight;
        mm->defHeight += contents.defHeight;
        mm->maxHeight += contents.maxHeight;
        return 0;
    }
    case method::Layout: {
        doSuperMethodA(cls, object, msg);
        GroupData *d = instance<GroupData>(cls, object);
        groupPlaceChildren(object, shapeOf(d), innerBox(object));
        syncShown(object, d);
        return 1;
    }
    case kMethodGroupPlaceAt:
        groupPlaceChildren(object, shapeOf(instance<GroupData>(cls, object)), *reinterpret_cast<const Rect *>(msg[1]));
        return 1;
    case method::Draw: {
        doSuperMethodA(cls, object, msg);
        if (!(msg[1] & kDrawObject)) return 0;
        GroupData *d = instance<GroupData>(cls, object);
        for (size_t i = 0; i < object->children.size(); ++i)
            if (showsChild(object, d, object->children[i])) drawObject(object->children[i], kDrawObject);
        return 0;
    }
    case method::GroupInitChange: ++instance<GroupData>(cls, object)->changeDepth; return 1;
    case method::GroupExitChange:
    case method::GroupExitChange2: {
        GroupData *d = instance<GroupData>(cls, object);
        if (d->changeDepth > 0 && --d->changeDepth == 0) requestLayout(object);
        return 1;
    }
    case method::Setup: {
        if (!doSuperMethodA(cls, object, msg)) return 0;
        GroupData *d = instance<GroupData>(cls, object);
        d->setUp = true;
        for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], method::Setup);
        return 1;
    }
    case method::Cleanup: {
        GroupData *d = instance<GroupData>(cls, object);
        for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], method::Cleanup);
        d->setUp = false;
        return doSuperMethodA(cls, object, msg);
    }
    case method::Show: {
        if (!doSuperMethodA(cls, object, msg)) return 0;
        GroupData *d = instance<GroupData>(cls, object);
        d->shown = true;
        for (size_t i = 0; i < object->children.size(); ++i)
            if (showsChild(object, d, object->children[i])) doMethod(object->children[i], method::Show);
        return 1;
    }
    case method::Hide: {
        GroupData *d = instance<GroupData>(cls, object);
        for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], method::Hide);
        d->shown = false;
        return doSuperMethodA(cls, object, msg);
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kGroupClass = {"Group.mui", "Area.mui", sizeof(GroupData), dispatch, false};

} // namespace tk
