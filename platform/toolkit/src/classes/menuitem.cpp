// Menuitem.mui: an entry of a menu, or a submenu when it has items itself.
// A check item is ticked when picked (a toggle item flips); ticking it
// unticks the sibling items its exclude mask names (bit n = the n-th item).
// The title kMenuBarLabel makes the item a separator line.
#include "class_support.h"

namespace tk {

namespace {

struct ItemData {
    std::string title, shortcut;
    bool separator = false; // titled kMenuBarLabel: a line between items
    bool checkit = false, checked = false, toggle = false, enabled = true, commandString = false;
    Word exclude = 0;
};

void setChecked(Object *object, ItemData *d, bool on, bool quiet)
{
    if (d->checked == on) return;
    d->checked = on;
    changed(object, attr::ItemChecked, on, quiet);
    if (!on || !d->exclude || !object->parent) return;
    const auto &siblings = object->parent->children;
    for (size_t i = 0; i < siblings.size() && i < 32; ++i)
        if ((d->exclude >> i) & 1) {
            if (siblings[i] != object && getOr(siblings[i], attr::ItemChecked, 0))
                setAttrs(siblings[i], TagList{{attr::NoNotify, quiet}, {attr::ItemChecked, 0}}.data());
        }
}

void applySet(Object *object, ItemData *d, const TagItem *tags, bool creating)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::ItemTitle:
            // The bar label is a marker, not a text: the item becomes a separator.
            d->separator = v == attr::kMenuBarLabel;
            setText(object, d->title, attr::ItemTitle, d->separator ? 0 : v, q);
            break;
        case attr::ItemShortcut: setText(object, d->shortcut, attr::ItemShortcut, v, q); break;
        case attr::ItemCheckit: d->checkit = v != 0; break;
        case attr::ItemChecked:
            if (creating)
                d->checked = v != 0;
            else
                setChecked(object, d, v != 0, q);
            break;
        case attr::ItemToggle: d->toggle = v != 0; break;
        case attr::ItemExclude: d->exclude = v; break;
        case attr::ItemEnabled: setFlag(object, d->enabled, attr::ItemEnabled, v, q); break;
        case attr::ItemCommandString: d->commandString = v != 0; break;
        case attr::ItemTrigger: if (!creating) pulse(object, attr::ItemTrigger, v, q); break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        ItemData *d = constructData<ItemData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg), true);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<ItemData>(cls, object, msg);
    case method::Set: applySet(object, instance<ItemData>(cls, object), msgTags(msg), false); break;
    case method::Get: {
        ItemData *d = instance<ItemData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::ItemTitle: return answer(msg, d->separator ? attr::kMenuBarLabel : textWord(d->title));
        case attr::Label: return answer(msg, textWord(d->title));
        case attr::ItemShortcut: return answer(msg, d->shortcut.empty() ? 0 : textWord(d->shortcut));
        case attr::ItemCheckit: return answer(msg, d->checkit);
        case attr::ItemChecked: return answer(msg, d->checked);
        case attr::ItemToggle: return answer(msg, d->toggle);
        case attr::ItemExclude: return answer(msg, d->exclude);
        case attr::ItemEnabled: return answer(msg, d->enabled);
        case attr::ItemCommandString: return answer(msg, d->commandString);
        case attr::ItemTrigger: return answer(msg, 0);
        }
        break;
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kMenuitemClass = {"Menuitem.mui", "Notify.mui", sizeof(ItemData), dispatch, false};

} // namespace tk
