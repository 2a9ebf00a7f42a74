// Listview.mui: shows a List with a frame and scrolling. The list's
// attributes and methods can be used on the listview directly; its active
// row is reported by the listview too. Clicking a row twice within the
// double-click time reports a double click.
#include "class_support.h"
#include "toolkit/input.h"
#include "toolkit/world.h"

namespace tk {

namespace {

constexpr Word kMethodListActive = 0xFA000120; // (row)

struct ListviewData {
    Object *list = nullptr;
    bool multiSelect = false;
    Word clickColumn = 0, defClickColumn = 0, input = 1;
    long lastRow = -1;
    uint64_t lastClickMs = 0;
};

bool isListAttribute(Word tag)
{
    switch (tag) {
    case attr::ListActive:
    case attr::ListEntries:
    case attr::ListFirst:
    case attr::ListVisible:
    case attr::ListQuiet:
    case attr::ListConstructHook:
    case attr::ListDestructHook:
    case attr::ListDisplayHook:
    case attr::ListCompareHook:
    case attr::ListFormat:
    case attr::ListTitle:
    case attr::NoNotify: return true;
    }
    return false;
}

bool isListMethod(Word id)
{
    switch (id) {
    case method::ListClear:
    case method::ListInsertSingle:
    case method::ListInsert:
    case method::ListRemove:
    case method::ListGetEntry:
    case method::ListExchange:
    case method::ListMove:
    case method::ListJump:
    case method::ListRedraw:
    case method::ListSort:
    case method::ListSelect:
    case method::ListNextSelected: return true;
    }
    return false;
}

void applySet(Object *object, ListviewData *d, const TagItem *tags)
{
    std::vector<TagItem> forward;
    for (TagWalker w(tags); w.next();) {
        switch (w.tag()) {
        case attr::ListviewMultiSelect: d->multiSelect = w.data() != 0; break;
        case attr::ListviewDefClickColumn: d->defClickColumn = w.data(); break;
        case attr::ListviewInput: d->input = w.data(); break;
        case attr::ListviewClickColumn: setField(object, d->clickColumn, attr::ListviewClickColumn, w.data(), w.quiet()); break;
        case attr::ListviewDoubleClick: pulse(object, attr::ListviewDoubleClick, w.data(), w.quiet()); break;
        }
        if (isListAttribute(w.tag())) forward.push_back(TagItem{w.tag(), w.data()});
    }
    if (d->list && !forward.empty()) {
        forward.push_back(TagItem{kTagDone, 0});
        setAttrs(d->list, forward.data());
    }
}

Word rowClick(Object *object, ListviewData *d, const InputEvent *e)
{
    if (!d->input) return 0;
    Word eaten = doMethod(d->list, method::HandleEvent, reinterpret_cast<Word>(e));
    if (!eaten) return 0;
    set(object, attr::ListviewClickColumn, Word(e->column));
    pulse(object, attr::ListviewActivate, Word(e->value));
    if (d->lastRow == e->value && e->timeMs - d->lastClickMs <= world().doubleClickMs) {
        d->lastRow = -1;
        pulse(object, attr::ListviewDoubleClick, Word(e->value));
    } else {
        d->lastRow = long(e->value);
        d->lastClickMs = e->timeMs;
    }
    return kEat;
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        const TagItem *tags = msgTags(msg);
        Object *list = reinterpret_cast<Object *>(tagData(tags, attr::ListviewList, 0));
        if (!list) list = newObject("List.mui", nullptr);
        if (!list) return 0;
        std::vector<TagItem> all = {{attr::GroupChild, reinterpret_cast<Word>(list)}};
        for (const TagItem *t = tags; t && t->tag != kTagDone; ++t)
            if (t->tag != attr::GroupChild) all.push_back(*t);
        all.push_back(TagItem{kTagDone, 0});
        const Word message[] = {method::New, reinterpret_cast<Word>(all.data())};
        ListviewData *d = constructData<ListviewData>(cls, object, message);
        if (!d) return 0;
        d->list = list;
        doMethod(list, method::Notify, attr::ListActive, kEveryTime, reinterpret_cast<Word>(object), 2,
                 kMethodListActive, kTriggerValue);
        applySet(object, d, tags);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<ListviewData>(cls, object, msg);
    case method::Set: applySet(object, instance<ListviewData>(cls, object), msgTags(msg)); break;
    case method::Get: {
        ListviewData *d = instance<ListviewData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::ListviewList: return answer(msg, reinterpret_cast<Word>(d->list));
        case attr::ListviewMultiSelect: return answer(msg, d->multiSelect);
        case attr::ListviewClickColumn: return answer(msg, d->clickColumn);
        case attr::ListviewDefClickColumn: return answer(msg, d->defClickColumn);
        case attr::ListviewDoubleClick: return answer(msg, 0);
        }
        if (isListAttribute(msgGetAttr(msg))) return doMethodA(d->list, msg);
        break;
    }
    case kMethodListActive: changed(object, attr::ListActive, msg[1]); return 1;
    case method::HandleEvent: {
        ListviewData *d = instance<ListviewData>(cls, object);
        const InputEvent *e = reinterpret_cast<const InputEvent *>(msg[1]);
        if (!e || getOr(object, attr::Disabled, 0)) return 0;
        if (e->kind == InputEvent::Button && e->hasValue) return rowClick(object, d, e);
        if (e->kind == InputEvent::Key && e->code == kKeyReturn) {
            long row = long(SWord(getOr(d->list, attr::ListActive, Word(-1))));
            if (row >= 0) pulse(object, attr::ListviewActivate, Word(row));
            return row >= 0 ? kEat : 0;
        }
        return doMethod(d->list, method::HandleEvent, msg[1]);
    }
    case method::RemMember:
        if (reinterpret_cast<Object *>(msg[1]) == instance<ListviewData>(cls, object)->list)
            instance<ListviewData>(cls, object)->list = nullptr;
        break;
    default:
        if (isListMethod(msg[0])) return doMethodA(instance<ListviewData>(cls, object)->list, msg);
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kListviewClass = {"Listview.mui", "Group.mui", sizeof(ListviewData), dispatch, false};

} // namespace tk
