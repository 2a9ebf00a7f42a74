// List.mui: rows of entries. Without a construct hook an entry is stored as
// given; with one the hook makes the stored entry (and the destruct hook
// frees it). Sorting uses the compare hook, or compares entries as texts.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"

#include <algorithm>
#include <cstring>

namespace tk {

namespace {

struct ListData {
    std::vector<Word> entries;
    std::vector<bool> selected;
    long active = -1, first = 0, visible = 8;
    bool quiet = false;
    Hook *construct = nullptr, *destruct = nullptr, *display = nullptr, *compare = nullptr;
    std::string format;
    Word title = 0;
};

long count(const ListData *d) { return long(d->entries.size()); }

Word makeEntry(Object *object, ListData *d, Word entry)
{
    if (!d->construct || !d->construct->entry) return entry;
    return d->construct->entry(d->construct, object, reinterpret_cast<void *>(entry));
}

void freeEntry(Object *object, ListData *d, Word entry)
{
    if (d->destruct && d->destruct->entry) d->destruct->entry(d->destruct, object, reinterpret_cast<void *>(entry));
}

int compareEntries(Object *object, ListData *d, Word a, Word b)
{
    if (d->compare && d->compare->entry) {
        Word pair[2] = {a, b};
        return int(SWord(d->compare->entry(d->compare, object, pair)));
    }
    const char *sa = reinterpret_cast<const char *>(a);
    const char *sb = reinterpret_cast<const char *>(b);
    return strcmp(sa ? sa : "", sb ? sb : "");
}

void setActive(Object *object, ListData *d, SWord value, bool quiet)
{
    const long n = count(d);
    long active = d->active;
    switch (value) {
    case attr::ListActiveOff: active = -1; break;
    case attr::ListActiveTop: active = n ? 0 : -1; break;
    case attr::ListActiveBottom: active = n - 1; break;
    case attr::ListActiveUp: active = n ? std::max(0L, active - 1) : -1; break;
    case attr::ListActiveDown: active = n ? std::min(n - 1, active + 1) : -1; break;
    case attr::ListActivePageUp: active = n ? std::max(0L, active - d->visible) : -1; break;
    case attr::ListActivePageDown: active = n ? std::min(n - 1, active + d->visible) : -1; break;
    default: active = value < 0 || value >= n ? -1 : long(value); break;
    }
    if (active == d->active) return;
    d->active = active;
    changed(object, attr::ListActive, Word(SWord(active)), quiet);
}

long insertAt(Object *object, ListData *d, Word entry, SWord position)
{
    Word stored = makeEntry(object, d, entry);
    if (!stored) return -1;
    long at;
    switch (position) {
    case method::ListInsertTop: at = 0; break;
    case method::ListInsertActive: at = d->active >= 0 ? d->active : 0; break;
    case method::ListInsertSorted: {
        at = 0;
        while (at < count(d) && compareEntries(object, d, d->entries[size_t(at)], stored) <= 0) ++at;
        break;
    }
    case method::ListInsertBottom: at = count(d); break;
    default: at = position < 0 ? count(d) : std::min(long(position), count(d)); break;
    }
    d->entries.insert(d->entries.begin() + at, stored);
    d->selected.insert(d->selected.begin() + at, false);
    if (d->active >= at) ++d->active; // the active entry stays the same entry
    return at;
}

long resolveRemove(const ListData *d, SWord position)
{
    if (position == 0 && count(d)) return 0;
    if (position == -1) return d->active;
    if (position == -2) return count(d) - 1;
    return position >= 0 && position < count(d) ? long(position) : -1;
}

// Positions of Exchange and Move: Top 0, Active -1, Bottom -2, Next -3, Previous -4.
long resolveMove(const ListData *d, SWord position, long other)
{
    switch (position) {
    case -1: return d->active;
    case -2: return count(d) - 1;
    case -3: return other + 1;
    case -4: return other - 1;
    default: return long(position);
    }
}

void removeAt(Object *object, ListData *d, long at)
{
    if (at < 0 || at >= count(d)) return;
    Word entry = d->entries[size_t(at)];
    d->entries.erase(d->entries.begin() + at);
    d->selected.erase(d->selected.begin() + at);
    freeEntry(object, d, entry);
    if (at < d->active) {
        --d->active;
    } else if (at == d->active) {
        // The next entry takes its place; past the end, the new last one.
        long next = std::min(d->active, count(d) - 1);
        d->active = -2; // force a report: the active entry is another one now
        setActive(object, d, next, false);
    }
    d->first = std::clamp(d->first, 0L, std::max(0L, count(d) - 1));
}

void applySet(Object *object, ListData *d, const TagItem *tags)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        switch (w.tag()) {
        case attr::ListActive: setActive(object, d, SWord(v), w.quiet()); break;
        case attr::ListFirst: d->first = std::clamp(long(SWord(v)), 0L, std::max(0L, count(d) - 1)); break;
        case attr::ListVisible: d->visible = std::max(1L, long(SWord(v))); break;
        case attr::ListQuiet: d->quiet = v != 0; break;
        case attr::ListConstructHook: d->construct = reinterpret_cast<Hook *>(v); break;
        case attr::ListDestructHook: d->destruct = reinterpret_cast<Hook *>(v); break;
        case attr::ListDisplayHook: d->display = reinterpret_cast<Hook *>(v); break;
        case attr::ListCompareHook: d->compare = reinterpret_cast<Hook *>(v); break;
        case attr::ListFormat: d->format = v ? reinterpret_cast<const char *>(v) : ""; break;
        case attr::ListTitle: d->title = v; break;
        }
    }
}

long rowHeight() { return fontHeight(kFontNormal) + 2; }

// The columns of a row: the display hook fills up to 16 texts for an entry
// (0 for the title row) through {char **columns, entry}; without one an
// entry is a text.
std::vector<std::string> columnsOf(Object *object, ListData *d, Word entry)
{
    std::vector<std::string> columns;
    if (d->display && d->display->entry) {
        const char *texts[16] = {};
        Word message[2] = {reinterpret_cast<Word>(texts), entry};
        d->display->entry(d->display, object, message);
        for (const char *t : texts) {
            if (!t) break;
            columns.push_back(t);
        }
    } else if (entry) {
        columns.push_back(reinterpret_cast<const char *>(entry));
    }
    return columns;
}

void drawRow(RastPort *rp, const Rect &row, const std::vector<std::string> &columns, uint32_t colour)
{
    if (columns.empty()) return;
    TextOptions o;
    o.colour = colour;
    const int width = row.width / int(columns.size());
    for (size_t c = 0; c < columns.size(); ++c)
        drawText(rp, Rect{row.x + int(c) * width + 2, row.y, width - 4, row.height}, columns[c].c_str(), o);
}

void drawRows(Object *object, ListData *d)
{
    RastPort *rp = rastPortOf(object);
    const Rect in = innerBox(object);
    clearInner(object, kColField);
    const int row = int(rowHeight());
    int y = in.y;
    if (d->title && d->display) {
        drawRow(rp, Rect{in.x, y, in.width, row}, columnsOf(object, d, 0), kColText);
        drawLine(rp, in.x, y + row, in.x + in.width - 1, y + row, kColShadow);
        y += row + 1;
    }
    for (long i = d->first; i < count(d) && y < in.y + in.height && isAlive(object); ++i, y += row) {
        const bool marked = i == d->active || (size_t(i) < d->selected.size() && d->selected[size_t(i)]);
        if (marked) rectFill(rp, in.x, y, in.x + in.width - 1, y + row - 1, kColFill);
        drawRow(rp, Rect{in.x, y, in.width, row}, columnsOf(object, d, d->entries[size_t(i)]), marked ? kColFillText : kColText);
    }
}

Word dispatchMethod(Class *cls, Object *object, const Word *msg)
{
    ListData *d = nullptr;
    if (msg[0] != method::New) d = instance<ListData>(cls, object);
    switch (msg[0]) {
    case method::New: {
        d = constructData<ListData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg));
        const Word *source = reinterpret_cast<const Word *>(tagData(msgTags(msg), attr::ListSourceArray, 0));
        for (size_t i = 0; source && source[i]; ++i) insertAt(object, d, source[i], method::ListInsertBottom);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose:
        for (Word e : d->entries) freeEntry(object, d, e);
        d->entries.clear();
        return destroyData<ListData>(cls, object, msg);
    case method::Set: applySet(object, d, msgTags(msg)); break;
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        const long row = rowHeight();
        addSize(reinterpret_cast<MinMax *>(msg[1]), 60, 160, kMaxMax, row * 3, row * 6, kMaxMax);
        return 0;
    }
    case method::Draw:
        doSuperMethodA(cls, object, msg);
        drawRows(object, d);
        return 0;
    case method::Get:
        switch (msgGetAttr(msg)) {
        case attr::ListActive: return answer(msg, Word(SWord(d->active)));
        case attr::ListEntries: return answer(msg, Word(count(d)));
        case attr::ListFirst: return answer(msg, Word(d->first));
        case attr::ListVisible: return answer(msg, Word(d->visible));
        case attr::ListQuiet: return answer(msg, d->quiet);
        case attr::ListFormat: return answer(msg, textWord(d->format));
        case attr::ListTitle: return answer(msg, d->title);
        case attr::ListConstructHook: return answer(msg, reinterpret_cast<Word>(d->construct));
        case attr::ListDestructHook: return answer(msg, reinterpret_cast<Word>(d->destruct));
        case attr::ListDisplayHook: return answer(msg, reinterpret_cast<Word>(d->display));
        case attr::ListCompareHook: return answer(msg, reinterpret_cast<Word>(d->compare));
        }
        break;
    case method::ListClear: {
        std::vector<Word> old;
        old.swap(d->entries);
        d->selected.clear();
        for (Word e : old) freeEntry(object, d, e);
        d->first = 0;
        setActive(object, d, attr::ListActiveOff, false);
        return 1;
    }
    case method::ListInsertSingle: return insertAt(object, d, msg[1], SWord(msg[2])) >= 0 ? 1 : 0;
    case method::ListInsert: {
        const Word *entries = reinterpret_cast<const Word *>(msg[1]);
        const SWord n = SWord(msg[2]);
        SWord position = SWord(msg[3]);
        Word inserted = 0;
        for (SWord i = 0; entries && (n < 0 ? entries[i] != 0 : i < n); ++i) {
            long at = insertAt(object, d, entries[i], position);
            if (at < 0) continue;
            ++inserted;
            if (position != method::ListInsertSorted) position = at + 1; // keep the given order
        }
        return inserted;
    }
    case method::ListRemove: removeAt(object, d, resolveRemove(d, SWord(msg[1]))); return 1;
    case method::ListGetEntry: {
        Word *out = reinterpret_cast<Word *>(msg[2]);
        long at = SWord(msg[1]) == -1 ? d->active : long(SWord(msg[1]));
        Word entry = at >= 0 && at < count(d) ? d->entries[size_t(at)] : 0;
        if (out) *out = entry;
        return entry;
    }
    case method::ListExchange:
    case method::ListMove: {
        long a = resolveMove(d, SWord(msg[1]), d->active);
        long b = resolveMove(d, SWord(msg[2]), a);
        if (a < 0 || b < 0 || a >= count(d) || b >= count(d) || a == b) return 0;
        if (msg[0] == method::ListExchange) {
            std::swap(d->entries[size_t(a)], d->entries[size_t(b)]);
            std::vector<bool>::swap(d->selected[size_t(a)], d->selected[size_t(b)]);
        } else {
            Word e = d->entries[size_t(a)];
            bool s = d->selected[size_t(a)];
            d->entries.erase(d->entries.begin() + a);
            d->selected.erase(d->selected.begin() + a);
            d->entries.insert(d->entries.begin() + b, e);
            d->selected.insert(d->selected.begin() + b, s);
        }
        return 1;
    }
    case method::ListJump: {
        long at = SWord(msg[1]) == -1 ? d->active : SWord(msg[1]) == -2 ? count(d) - 1 : long(SWord(msg[1]));
        if (at >= 0 && at < count(d) && (at < d->first || at >= d->first + d->visible))
            d->first = std::max(0L, at < d->first ? at : at - d->visible + 1);
        return 1;
    }
    case method::ListRedraw: return 1;
    case method::ListSort: {
        Word active = d->active >= 0 ? d->entries[size_t(d->active)] : 0;
        std::stable_sort(d->entries.begin(), d->entries.end(),
                         [&](Word a, Word b) { return compareEntries(object, d, a, b) < 0; });
        if (d->active >= 0)
            d->active = long(std::find(d->entries.begin(), d->entries.end(), active) - d->entries.begin());
        return 1;
    }
    case method::ListSelect: {
        const SWord position = SWord(msg[1]);
        const SWord how = SWord(msg[2]);
        Word *state = reinterpret_cast<Word *>(msg[3]);
        long from = position == -2 ? 0 : position == -1 ? d->active : long(position);
        long to = position == -2 ? count(d) - 1 : from;
        for (long i = from; i >= 0 && i <= to && i < count(d); ++i) {
            std::vector<bool>::reference s = d->selected[size_t(i)];
            if (how == 0) s = false;
            if (how == 1) s = true;
            if (how == 2) s = !s;
            if (how == 3 && state) *state = s ? 1 : 0;
        }
        return 1;
    }
    case method::ListNextSelected: {
        SWord *position = reinterpret_cast<SWord *>(msg[1]);
        if (!position) return 0;
        const bool any = std::find(d->selected.begin(), d->selected.end(), true) != d->selected.end();
        long at = *position < 0 ? 0 : long(*position) + 1;
        if (!any) {
            // Without marked rows the active row is the selection.
            *position = *position < 0 && d->active >= 0 ? d->active : -1;
            return 1;
        }
        while (at < count(d) && !d->selected[size_t(at)]) ++at;
        *position = at < count(d) ? at : -1;
        return 1;
    }
    case method::HandleEvent: {
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (!e || getOr(object, attr::Disabled, 0)) break;
        if (e->kind == InputEvent::Button && e->code == kSelectDown && e->hasValue) {
            if (e->value < 0 || e->value >= count(d)) return 0;
            setActive(object, d, e->value, false);
            return kEat;
        }
        if (e->kind == InputEvent::Wheel) {
            long step = e->code == kWheelUp ? -1 : 1;
            d->first = std::clamp(d->first + step, 0L, std::max(0L, count(d) - 1));
            return kEat;
        }
        if (e->kind == InputEvent::Key && (e->code == kKeyUp || e->code == kKeyDown)) {
            setActive(object, d, e->code == kKeyUp ? attr::ListActiveUp : attr::ListActiveDown, false);
            return kEat;
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

// Changes of entries, selection or position show at once.
Word dispatch(Class *cls, Object *object, const Word *msg)
{
    const Word result = dispatchMethod(cls, object, msg);
    const bool changes = msg[0] == method::Set || msg[0] == method::HandleEvent ||
                         (msg[0] != method::ListGetEntry && msg[0] != method::ListNextSelected &&
                          (msg[0] == method::ListClear || msg[0] == method::ListInsertSingle || msg[0] == method::ListInsert ||
                           msg[0] == method::ListRemove || msg[0] == method::ListExchange || msg[0] == method::ListMove ||
                           msg[0] == method::ListJump || msg[0] == method::ListRedraw || msg[0] == method::ListSort ||
                           msg[0] == method::ListSelect));
    if (changes) redraw(object, kDrawUpdate);
    return result;
}

} // namespace

extern const ClassDef kListClass = {"List.mui", "Area.mui", sizeof(ListData), dispatch, false};

} // namespace tk
