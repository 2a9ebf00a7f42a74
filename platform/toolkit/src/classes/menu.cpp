// Menu.mui: a titled menu of items.
#include "class_support.h"

namespace tk {

namespace {

struct MenuData {
    std::string title;
    bool enabled = true;
};

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New:
    case method::Set: {
        MenuData *d = msg[0] == method::New ? constructData<MenuData>(cls, object, msg) : instance<MenuData>(cls, object);
        if (!d) return 0;
        for (TagWalker w(msgTags(msg)); w.next();) {
            if (w.tag() == attr::MenuTitle) setText(object, d->title, attr::MenuTitle, w.data(), w.quiet());
            if (w.tag() == attr::MenuEnabled) setFlag(object, d->enabled, attr::MenuEnabled, w.data(), w.quiet());
        }
        return msg[0] == method::New ? reinterpret_cast<Word>(object) : doSuperMethodA(cls, object, msg);
    }
    case method::Dispose: return destroyData<MenuData>(cls, object, msg);
    case method::Get:
        switch (msgGetAttr(msg)) {
        case attr::MenuTitle:
        case attr::Label: return answer(msg, textWord(instance<MenuData>(cls, object)->title));
        case attr::MenuEnabled: return answer(msg, instance<MenuData>(cls, object)->enabled);
        }
        break;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kMenuClass = {"Menu.mui", "Notify.mui", sizeof(MenuData), dispatch, false};

} // namespace tk
