// String.mui: a one-line text field. Typing respects the accepted and
// rejected characters and the maximum length; a marked range is replaced by
// what is typed or pasted; cut, copy and paste use the layer's clipboard;
// every edit can be undone and redone.
#include "class_support.h"
#include "draw/parts.h"
#include "toolkit/input.h"
#include "toolkit/world.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

namespace {

struct Snapshot {
    std::string text;
    long cursor;
};

struct StringData {
    std::string text, accept, reject;
    bool secret = false, advanceOnCR = false;
    long maxLen = 80; // buffer size including the end byte: at most maxLen - 1 characters
    long cursor = 0;
    long markStart = -1, markEnd = -1;
    std::vector<Snapshot> undo, redo;
};

long limit(const StringData *d) { return d->maxLen > 1 ? d->maxLen - 1 : 0; }
long length(const StringData *d) { return long(d->text.size()); }
bool hasMark(const StringData *d) { return d->markStart >= 0 && d->markEnd >= 0 && d->markStart != d->markEnd; }
long markLow(const StringData *d) { return std::min(d->markStart, d->markEnd); }
long markHigh(const StringData *d) { return std::max(d->markStart, d->markEnd); }

// Replaces the whole text as one undoable edit.
void commit(Object *object, StringData *d, std::string text, long cursor, bool quiet)
{
    if (long(text.size()) > limit(d)) text.resize(size_t(limit(d)));
    d->markStart = d->markEnd = -1;
    d->cursor = std::clamp(cursor, 0L, long(text.size()));
    if (text == d->text) return;
    d->undo.push_back(Snapshot{d->text, d->cursor});
    d->redo.clear();
    d->text = text;
    changed(object, attr::StringContents, textWord(d->text), quiet);
}

bool acceptable(const StringData *d, char c)
{
    if (!d->accept.empty() && d->accept.find(c) == std::string::npos) return false;
    if (!d->reject.empty() && d->reject.find(c) != std::string::npos) return false;
    return static_cast<unsigned char>(c) >= 32;
}

// Inserts at the cursor, replacing the marked range. Characters the field
// does not accept, and those beyond the maximum length, are left out.
void insertText(Object *object, StringData *d, const char *chars)
{
    std::string text = d->text;
    long at = d->cursor;
    if (hasMark(d)) {
        at = markLow(d);
        text.erase(size_t(at), size_t(markHigh(d) - at));
    }
    std::string add;
    for (const char *p = chars; p && *p; ++p)
        if (acceptable(d, *p) && long(text.size() + add.size()) < limit(d)) add += *p;
    if (add.empty() && !hasMark(d)) return;
    text.insert(size_t(at), add);
    commit(object, d, text, at + long(add.size()), false);
}

void deleteRange(Object *object, StringData *d, long from, long to)
{
    if (from >= to) return;
    std::string text = d->text;
    text.erase(size_t(from), size_t(to - from));
    commit(object, d, text, from, false);
}

void restore(Object *object, StringData *d, std::vector<Snapshot> &from, std::vector<Snapshot> &to)
{
    if (from.empty()) return;
    to.push_back(Snapshot{d->text, d->cursor});
    Snapshot s = from.back();
    from.pop_back();
    d->text = s.text;
    d->cursor = std::min(s.cursor, length(d));
    d->markStart = d->markEnd = -1;
    changed(object, attr::StringContents, textWord(d->text), false);
}

void applySet(Object *object, StringData *d, const TagItem *tags, bool creating)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        const char *text = reinterpret_cast<const char *>(v);
        switch (w.tag()) {
        case attr::StringContents: {
            std::string t = text ? text : "";
            if (creating) {
                if (long(t.size()) > limit(d)) t.resize(size_t(limit(d)));
                d->text = t;
                d->cursor = length(d);
            } else {
                commit(object, d, t, long(t.size()), w.quiet());
            }
            break;
        }
        case attr::StringInteger: {
            std::string t = std::to_string(long(SWord(v)));
            commit(object, d, t, long(t.size()), w.quiet());
            break;
        }
        case attr::StringAccept: d->accept = text ? text : ""; break;
        case attr::StringReject: d->reject = text ? text : ""; break;
        case attr::StringSecret: d->secret = v != 0; break;
        case attr::StringAdvanceOnCR: d->advanceOnCR = v != 0; break;
        case attr::StringMaxLen:
            if (creating) d->maxLen = SWord(v) > 0 ? long(SWord(v)) : 1;
            break;
        case attr::StringBufferPos:
        case attr::StringCursorPos: d->cursor = std::clamp(long(SWord(v)), 0L, length(d)); break;
        case attr::StringMarkStart: d->markStart = std::clamp(long(SWord(v)), -1L, length(d)); break;
        case attr::StringMarkEnd: d->markEnd = std::clamp(long(SWord(v)), -1L, length(d)); break;
        }
    }
}

Word handleEvent(Object *object, StringData *d, const InputEvent *e)
{
    if (!e || getOr(object, attr::Disabled, 0)) return 0;
    if (e->kind == InputEvent::Character) {
        const char c[2] = {char(e->character), 0};
        insertText(object, d, c);
        return kEat;
    }
    if (e->kind == InputEvent::Button && e->code == kSelectDown) {
        if (Object *window = windowOf(object)) set(window, attr::WinActiveObject, reinterpret_cast<Word>(object));
        return kEat;
    }
    if (e->kind != InputEvent::Key || (e->code & 0x80)) return 0;
    switch (e->code) {
    case kKeyBackspace:
        if (hasMark(d))
            deleteRange(object, d, markLow(d), markHigh(d));
        else if (d->cursor > 0)
            deleteRange(object, d, d->cursor - 1, d->cursor);
        return kEat;
    case kKeyDelete:
        if (hasMark(d))
            deleteRange(object, d, markLow(d), markHigh(d));
        else if (d->cursor < length(d))
            deleteRange(object, d, d->cursor, d->cursor + 1);
        return kEat;
    case kKeyLeft:
        d->cursor = std::max(0L, d->cursor - 1);
        d->markStart = d->markEnd = -1;
        return kEat;
    case kKeyRight:
        d->cursor = std::min(length(d), d->cursor + 1);
        d->markStart = d->markEnd = -1;
        return kEat;
    case kKeyReturn:
        pulse(object, attr::StringAcknowledge, textWord(d->text));
        if (d->advanceOnCR)
            if (Object *window = windowOf(object)) set(window, attr::WinActiveObject, attr::ActiveObjectNext);
        return kEat;
    }
    return 0;
}

// The field: the text (stars when secret), the marked range on the fill
// colour, and the cursor while the field is the window's active object.
void drawField(Object *object, StringData *d)
{
    RastPort *rp = rastPortOf(object);
    const Rect in = innerBox(object);
    clearInner(object, kColField);
    std::string shown = d->secret ? std::string(d->text.size(), '*') : d->text;
    for (char &c : shown)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    // Underscores are characters here, not shortcut marks: the plain text
    // goes through the engine with every code character replaced above.
    TextOptions o = textOptionsOf(object);
    auto widthOf = [&](long n) { return measureText(shown.substr(0, size_t(n)).c_str(), o).width; };
    if (hasMark(d)) {
        const int x0 = in.x + widthOf(markLow(d)), x1 = in.x + widthOf(markHigh(d));
        rectFill(rp, x0, in.y, x1 - 1, in.y + in.height - 1, kColFill);
    }
    drawText(rp, in, shown.c_str(), o);
    Object *window = windowOf(object);
    if (window && getOr(window, attr::WinActiveObject, 0) == reinterpret_cast<Word>(object)) {
        const int x = in.x + widthOf(d->cursor);
        rectFill(rp, x, in.y, x, in.y + in.height - 1, kColFill);
    }
}

Word dispatchMethod(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        StringData *d = constructData<StringData>(cls, object, msg);
        if (!d) return 0;
        // The length limit first, so a starting text is cut to it.
        const Word maxLen = tagData(msgTags(msg), attr::StringMaxLen, 80);
        d->maxLen = SWord(maxLen) > 0 ? long(SWord(maxLen)) : 1;
        applySet(object, d, msgTags(msg), true);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<StringData>(cls, object, msg);
    case method::Set:
        applySet(object, instance<StringData>(cls, object), msgTags(msg), false);
        redraw(object, kDrawUpdate);
        break;
    case method::AskMinMax: {
        doSuperMethodA(cls, object, msg);
        const long h = fontHeight(textOptionsOf(object).font);
        addSize(reinterpret_cast<MinMax *>(msg[1]), 40, 160, kMaxMax, h, h, h);
        return 0;
    }
    case method::Draw:
        doSuperMethodA(cls, object, msg);
        drawField(object, instance<StringData>(cls, object));
        return 0;
    case method::Get: {
        StringData *d = instance<StringData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::StringContents: return answer(msg, textWord(d->text));
        case attr::StringInteger: return answer(msg, Word(strtol(d->text.c_str(), nullptr, 10)));
        case attr::StringAccept: return answer(msg, textWord(d->accept));
        case attr::StringReject: return answer(msg, textWord(d->reject));
        case attr::StringSecret: return answer(msg, d->secret);
        case attr::StringAdvanceOnCR: return answer(msg, d->advanceOnCR);
        case attr::StringMaxLen: return answer(msg, Word(d->maxLen));
        case attr::StringBufferPos:
        case attr::StringCursorPos: return answer(msg, Word(d->cursor));
        case attr::StringMarkStart: return answer(msg, Word(SWord(d->markStart)));
        case attr::StringMarkEnd: return answer(msg, Word(SWord(d->markEnd)));
        case attr::StringCanUndo: return answer(msg, !d->undo.empty());
        case attr::StringCanRedo: return answer(msg, !d->redo.empty());
        }
        break;
    }
    case method::StringCut:
    case method::StringCopy: {
        StringData *d = instance<StringData>(cls, object);
        if (!hasMark(d)) return 0;
        world().clipboard = d->text.substr(size_t(markLow(d)), size_t(markHigh(d) - markLow(d)));
        if (msg[0] == method::StringCut) deleteRange(object, d, markLow(d), markHigh(d));
        return 1;
    }
    case method::StringPaste: insertText(object, instance<StringData>(cls, object), world().clipboard.c_str()); return 1;
    case method::StringUndo: {
        StringData *d = instance<StringData>(cls, object);
        restore(object, d, d->undo, d->redo);
        return 1;
    }
    case method::StringRedo: {
        StringData *d = instance<StringData>(cls, object);
        restore(object, d, d->redo, d->undo);
        return 1;
    }
    case method::StringInsert: {
        StringData *d = instance<StringData>(cls, object);
        if (msg[2] == 1) d->cursor = 0;
        if (msg[2] == 2) d->cursor = length(d);
        if (msg[2] != 0) d->markStart = d->markEnd = -1;
        insertText(object, d, reinterpret_cast<const char *>(msg[1]));
        return 1;
    }
    case method::HandleEvent: {
        Word eaten = handleEvent(object, instance<StringData>(cls, object), reinterpret_cast<const InputEvent *>(msg[1]));
        if (eaten) return eaten;
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

// Input and editing change what the widget shows: it is drawn again after them.
Word dispatch(Class *cls, Object *object, const Word *msg)
{
    const Word result = dispatchMethod(cls, object, msg);
    if (msg[0] == method::HandleEvent || (msg[0] >= method::StringCut && msg[0] <= method::StringRedo) || msg[0] == method::StringInsert) redraw(object, kDrawUpdate);
    return result;
}

} // namespace

extern const ClassDef kStringClass = {"String.mui", "Area.mui", sizeof(StringData), dispatch, false};

} // namespace tk
