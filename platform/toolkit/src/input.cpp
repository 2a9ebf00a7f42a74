#include "toolkit/input.h"

#include "class_support.h"
#include "draw/overlays.h"
#include "toolkit/layout.h"
#include "toolkit/screen.h"
#include "toolkit/text.h"
#include "toolkit/find.h"
#include "toolkit/world.h"

#include <cctype>
#include <cstring>
#include <strings.h>

namespace tk {

namespace {

// The time of the action being handled: events happen when the person acted,
// not when the pump gets round to them.
uint64_t g_actionTime = 0;

void raiseApplicationSignals()
{
    // Every application's pump has work now.
    World &w = world();
    for (Object *o : w.live)
        if (!o->dead && applicationOf(o) == o) raiseSignals(uint32_t(getOr(o, attr::AppSignal, 0)));
}

void drop(const InputAction &action, const char *why)
{
    std::string who = !action.target.name.empty() ? action.target.name
                                                  : action.target.window + (action.target.label.empty() ? "" : "/" + action.target.label);
    world().inputLog.push_back(who + ": " + why);
}

bool isA(Object *object, const char *className)
{
    Class *wanted = findClass(className);
    for (Class *c = object ? object->cls : nullptr; c; c = c->super)
        if (c == wanted) return true;
    return false;
}

// Why the object cannot take input now, or null when it can.
const char *refusal(Object *object)
{
    if (!isAlive(object)) return "no such object";
    if (Object *app = applicationOf(object)) {
        if (getOr(app, attr::AppSleep, 0)) return "application asleep";
        if (getOr(app, attr::AppIconified, 0)) return "application iconified";
    }
    if (Object *window = windowOf(object)) {
        if (!getOr(window, attr::WinOpen, 0)) return "window not open";
        if (getOr(window, attr::WinSleep, 0)) return "window asleep";
    }
    for (Object *o = object; o; o = o->parent)
        if (getOr(o, attr::Disabled, 0)) return "disabled";
    return nullptr;
}

InputEvent event(InputEvent::Kind kind, uint32_t code, uint32_t qualifier = 0)
{
    InputEvent e;
    e.kind = kind;
    e.code = code;
    e.qualifier = qualifier;
    e.timeMs = g_actionTime;
    return e;
}

Word deliver(Object *object, const InputEvent &e) { return doMethod(object, method::HandleEvent, &e); }

void clickAt(Object *object, const InputEvent &base)
{
    InputEvent e = base;
    e.x = int(SWord(getOr(object, attr::Width, 0))) / 2;
    e.y = int(SWord(getOr(object, attr::Height, 0))) / 2;
    e.code = kSelectDown;
    deliver(object, e);
    if (!isAlive(object)) return;
    e.code = kSelectUp;
    deliver(object, e);
}

// ------------------------------------------------------------- keys

struct KeySpec {
    uint32_t code = 0;      // raw key, when the key has no character
    uint32_t character = 0; // the character, lower case
    uint32_t qualifier = 0;
};

bool keyByName(const char *name, bool numpad, KeySpec *key)
{
    static const struct {
        const char *name;
        uint32_t code;
        uint32_t character;
    } kNames[] = {
        {"return", kKeyReturn, 0}, {"enter", kKeyReturn, 0}, {"tab", kKeyTab, 0},        {"esc", kKeyEscape, 0},
        {"escape", kKeyEscape, 0}, {"backspace", kKeyBackspace, 0}, {"del", kKeyDelete, 0}, {"delete", kKeyDelete, 0},
        {"up", kKeyUp, 0},         {"down", kKeyDown, 0},      {"left", kKeyLeft, 0},       {"right", kKeyRight, 0},
        {"space", 0x40, ' '},      {"help", 0x5F, 0},          {"f1", 0x50, 0},             {"f2", 0x51, 0},
        {"f3", 0x52, 0},           {"f4", 0x53, 0},            {"f5", 0x54, 0},             {"f6", 0x55, 0},
        {"f7", 0x56, 0},           {"f8", 0x57, 0},            {"f9", 0x58, 0},             {"f10", 0x59, 0},
    };
    if (!name || !*name) return false;
    if (!name[1]) {
        key->character = uint32_t(tolower(static_cast<unsigned char>(name[0])));
        key->code = 0;
        return true;
    }
    for (const auto &k : kNames)
        if (strcasecmp(name, k.name) == 0) {
            key->code = k.code;
            key->character = k.character;
            // The number pad's enter is a key of its own.
            if (numpad && k.code == kKeyReturn) key->code = 0x43;
            return true;
        }
    return false;
}

// A key binding as windows take them: words separated by blanks, options
// ("-repeat"), qualifiers, "numpad", then the key.
bool parseBinding(const char *text, KeySpec *key)
{
    if (!text) return false;
    bool numpad = false, haveKey = false;
    std::string all(text);
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = all.find(' ', pos);
        std::string word = all.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? all.size() : end + 1;
        if (word.empty() || word[0] == '-') continue;
        const char *w = word.c_str();
        if (!strcasecmp(w, "control") || !strcasecmp(w, "ctrl")) key->qualifier |= kQualControl;
        else if (!strcasecmp(w, "shift")) key->qualifier |= kQualShift;
        else if (!strcasecmp(w, "lshift")) key->qualifier |= kQualLShift;
        else if (!strcasecmp(w, "rshift")) key->qualifier |= kQualRShift;
        else if (!strcasecmp(w, "alt")) key->qualifier |= kQualAlt;
        else if (!strcasecmp(w, "lalt")) key->qualifier |= kQualLAlt;
        else if (!strcasecmp(w, "ralt")) key->qualifier |= kQualRAlt;
        else if (!strcasecmp(w, "lcommand")) key->qualifier |= kQualLCommand;
        else if (!strcasecmp(w, "rcommand")) key->qualifier |= kQualRCommand;
        else if (!strcasecmp(w, "numpad")) numpad = true;
        else if (!haveKey && keyByName(w, numpad, key)) haveKey = true;
        else return false;
    }
    return haveKey;
}

// Shift and alt given without a side match either side; every other
// qualifier must be exactly as pressed.
bool qualifiersMatch(uint32_t wanted, uint32_t pressed)
{
    auto group = [](uint32_t q, uint32_t both, uint32_t wantedBits) {
        if ((wantedBits & both) == both) return (q & both) != 0 ? both : 0u;
        return q & both;
    };
    const uint32_t groups[] = {kQualShift, kQualAlt};
    for (uint32_t g : groups)
        if (group(pressed, g, wanted) != (wanted & g)) return false;
    const uint32_t exact = kQualControl | kQualLCommand | kQualRCommand;
    return (wanted & exact) == (pressed & exact);
}

bool keyMatches(const KeySpec &wanted, const InputEvent &e)
{
    if (!qualifiersMatch(wanted.qualifier, e.qualifier)) return false;
    if (wanted.character) return uint32_t(tolower(int(e.character))) == wanted.character;
    return wanted.code == (e.code & 0x7F);
}

// ------------------------------------------------------------- menus

bool isChecked(Object *item) { return getOr(item, attr::ItemChecked, 0) != 0; }

bool enabledChain(Object *item)
{
    for (Object *o = item; o; o = o->parent) {
        if (isA(o, "Menuitem.mui") && !getOr(o, attr::ItemEnabled, 1)) return false;
        if (isA(o, "Menu.mui") && !getOr(o, attr::MenuEnabled, 1)) return false;
        if (isA(o, "Menustrip.mui")) return getOr(o, attr::MenustripEnabled, 1) != 0;
    }
    return true;
}

// Picks an item as the menu does: check marks first, then the trigger.
const char *pickItem(Object *item, Object *contextOwner)
{
    if (!isA(item, "Menuitem.mui")) return "not a menu item";
    if (getOr(item, attr::ItemTitle, 0) == attr::kMenuBarLabel) return "a separator cannot be picked";
    if (!item->children.empty()) return "a submenu cannot be picked";
    if (!enabledChain(item)) return "menu item disabled";
    if (getOr(item, attr::ItemCheckit, 0)) {
        if (getOr(item, attr::ItemToggle, 0))
            set(item, attr::ItemChecked, !isChecked(item));
        else
            set(item, attr::ItemChecked, 1);
    }
    if (!isAlive(item)) return nullptr;
    if (contextOwner)
        pulse(contextOwner, attr::ContextMenuTrigger, reinterpret_cast<Word>(item));
    else
        pulse(item, attr::ItemTrigger, reinterpret_cast<Word>(item));
    return nullptr;
}

Object *findMenuPath(Object *strip, const std::string &path)
{
    if (!strip) return nullptr;
    Object *level = strip;
    size_t pos = 0;
    while (level) {
        size_t slash = path.find('/', pos);
        std::string part = path.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        Object *next = nullptr;
        for (Object *child : level->children) {
            const char *label = reinterpret_cast<const char *>(getOr(child, attr::Label, 0));
            if (label && visibleText(label) == visibleText(part.c_str())) {
                next = child;
                break;
            }
        }
        if (!next || slash == std::string::npos) return next;
        level = next;
        pos = slash + 1;
    }
    return nullptr;
}

Object *findShortcut(Object *level, uint32_t character)
{
    if (!level) return nullptr;
    for (Object *child : level->children) {
        if (isA(child, "Menuitem.mui") && child->children.empty() && !getOr(child, attr::ItemCommandString, 0)) {
            const char *shortcut = reinterpret_cast<const char *>(getOr(child, attr::ItemShortcut, 0));
            if (shortcut && shortcut[0] && !shortcut[1] &&
                tolower(static_cast<unsigned char>(shortcut[0])) == int(tolower(int(character))))
                return child;
        }
        if (Object *found = findShortcut(child, character)) return found;
    }
    return nullptr;
}

// ------------------------------------------------------------- windows

// What the window does with a key its widgets did not take.
void windowKey(Object *window, const InputEvent &e)
{
    if (!window || (e.code & 0x80)) return;
    // Key bindings of the window first.
    std::vector<NotifyRecord *> bindings;
    for (NotifyRecord *r : window->notifications)
        if (r->attribute == attr::WinInputEvent && !r->removed) bindings.push_back(r);
    bool bound = false;
    for (NotifyRecord *r : bindings) {
        KeySpec binding;
        if (parseBinding(reinterpret_cast<const char *>(r->trigger), &binding) && keyMatches(binding, e)) {
            fireRecord(window, r, r->trigger);
            bound = true;
        }
    }
    if (bound || !isAlive(window)) return;
    if (e.code == kKeyTab) {
        set(window, attr::WinActiveObject, (e.qualifier & kQualShift) ? attr::ActiveObjectPrev : attr::ActiveObjectNext);
        return;
    }
    if ((e.qualifier & kQualCommand) && e.character) {
        Object *strip = reinterpret_cast<Object *>(getOr(window, attr::WinMenustrip, 0));
        if (Object *item = findShortcut(strip, e.character)) pickItem(item, nullptr);
        return;
    }
    if (e.code == kKeyReturn)
        if (Object *def = reinterpret_cast<Object *>(getOr(window, attr::WinDefaultObject, 0))) deliver(def, e);
}

void keyPress(Object *target, const KeySpec &key, uint32_t qualifier)
{
    Object *window = windowOf(target);
    Object *receiver = target;
    if (target == window) receiver = reinterpret_cast<Object *>(getOr(window, attr::WinActiveObject, 0));
    InputEvent e = event(InputEvent::Key, key.code, qualifier | key.qualifier);
    e.character = key.character;
    Word eaten = 0;
    if (isAlive(receiver) && receiver != window) {
        eaten = deliver(receiver, e);
        // A plain character also reaches the widget as typed text.
        if (!eaten && key.character && !(e.qualifier & (kQualCommand | kQualControl | kQualAlt)) && isAlive(receiver)) {
            InputEvent c = e;
            c.kind = InputEvent::Character;
            c.character = (e.qualifier & kQualShift) ? uint32_t(toupper(int(key.character))) : key.character;
            eaten = deliver(receiver, c);
        }
    }
    if (!eaten && isAlive(window)) windowKey(window, e);
    if (isAlive(receiver) && receiver != window) {
        InputEvent up = e;
        up.code |= 0x80;
        deliver(receiver, up);
    }
}

// Opens the menu an OpenMenu action names where a person would see it: a
// strip's menu under the window's title bar, below its own title; a
// context menu at the middle of its widget.
void openMenuNow(const InputAction &a, Object *target)
{
    Object *window = windowOf(target);
    if (!window) return drop(a, "not in a window");
    if (const char *why = refusal(target)) return drop(a, why);
    const Rect place = windowBox(window);
    if (place.empty()) return drop(a, "window not open");
    Object *strip = nullptr;
    int x = 0, y = 0;
    if (target == window || isA(target, "Menustrip.mui")) {
        strip = isA(target, "Menustrip.mui") ? target : reinterpret_cast<Object *>(getOr(window, attr::WinMenustrip, 0));
        x = place.x + int(SWord(getOr(window, attr::WinBorderLeft, 0)));
        y = place.y + int(SWord(getOr(window, attr::WinBorderTop, 0)));
    } else {
        strip = reinterpret_cast<Object *>(getOr(target, attr::ContextMenu, 0));
        const Rect box = objectBox(target);
        x = place.x + box.x + box.width / 2;
        y = place.y + box.y + box.height / 2;
    }
    if (!strip) return drop(a, target == window ? "no menu strip" : "no context menu");
    Object *menu = a.text.empty() ? (strip->children.empty() ? nullptr : strip->children.front())
                                  : findMenuPath(strip, a.text);
    if (!menu) return drop(a, "no such menu");
    if (menu->children.empty() && !isA(menu, "Menu.mui")) return drop(a, "not a menu");
    // A strip's menus stand side by side: each opens below its own title.
    if (menu->parent == strip && (target == window || isA(target, "Menustrip.mui")))
        for (Object *m : strip->children) {
            if (m == menu) break;
            x += measureText(shownText(reinterpret_cast<const char *>(getOr(m, attr::Label, 0)), true).c_str(),
                             TextOptions{})
                     .width +
                 16;
        }
    if (openMenuPicture(menu, x, y, window) != 0) drop(a, "menu could not be drawn");
}

void process(const InputAction &a)
{
    if (a.kind == InputAction::CloseMenu) return;
    Object *target = resolveTarget(a.target);
    if (!target) return drop(a, "no such object");
    if (a.kind == InputAction::MenuPick) {
        // A window target with a "Menu/Item" label names an item of its strip.
        Object *item = target;
        Object *window = windowOf(target);
        if (!a.text.empty()) {
            Object *strip = window ? reinterpret_cast<Object *>(getOr(window, attr::WinMenustrip, 0)) : nullptr;
            if (isA(target, "Menustrip.mui")) strip = target;
            item = findMenuPath(strip, a.text);
            if (!item) return drop(a, "no such menu item");
        }
        if (window)
            if (const char *why = refusal(window)) return drop(a, why);
        if (const char *why = pickItem(item, nullptr)) drop(a, why);
        return;
    }
    if (a.kind == InputAction::ContextMenu) {
        if (const char *why = refusal(target)) return drop(a, why);
        Object *strip = reinterpret_cast<Object *>(getOr(target, attr::ContextMenu, 0));
        if (!strip) return drop(a, "no context menu");
        Object *item = findMenuPath(strip, a.text);
        if (!item) return drop(a, "no such menu item");
        if (const char *bad = pickItem(item, target)) drop(a, bad);
        return;
    }
    if (a.kind == InputAction::OpenMenu) return openMenuNow(a, target);
    if (a.kind == InputAction::Popup) {
        if (const char *why = refusal(target)) return drop(a, why);
        if (a.value == 0)
            doMethod(target, method::PopstringOpen);
        else
            doMethod(target, method::PopstringClose, a.value == 1 ? 1 : 0);
        return;
    }
    const char *why = refusal(target);
    if (why) return drop(a, why);
    Object *window = windowOf(target);
    switch (a.kind) {
    case InputAction::Click:
    case InputAction::Toggle:
        if (target == window) return drop(a, "a window is not clicked");
        if (isA(target, "Menuitem.mui")) {
            if (const char *bad = pickItem(target, nullptr)) drop(a, bad);
            return;
        }
        if (a.kind == InputAction::Toggle && getOr(target, attr::InputMode, 0) != attr::InputModeToggle &&
            !isA(target, "Cycle.mui"))
            return drop(a, "not a toggle");
        clickAt(target, event(InputEvent::Button, kSelectDown, a.qualifier));
        return;
    case InputAction::Type: {
        if (window && target != window) set(window, attr::WinActiveObject, reinterpret_cast<Word>(target));
        for (const char *p = a.text.c_str(); *p && isAlive(target); ++p) {
            InputEvent e = event(InputEvent::Character, 0, a.qualifier);
            e.character = static_cast<unsigned char>(*p);
            deliver(target, e);
        }
        return;
    }
    case InputAction::Key: {
        KeySpec key;
        if (!keyByName(a.text.c_str(), false, &key)) return drop(a, "unknown key");
        keyPress(target, key, a.qualifier);
        return;
    }
    case InputAction::Activate:
        if (target == window)
            set(window, attr::WinActivate, 1);
        else if (window)
            set(window, attr::WinActiveObject, reinterpret_cast<Word>(target));
        return;
    case InputAction::CloseWindow:
        if (!window) return drop(a, "not in a window");
        if (!getOr(window, attr::WinCloseGadget, 1)) return drop(a, "window has no close gadget");
        set(window, attr::WinCloseRequest, 1);
        return;
    case InputAction::Drag: {
        InputEvent e = event(InputEvent::Button, kSelectDown, a.qualifier);
        deliver(target, e);
        e.kind = InputEvent::Move;
        e.value = a.value;
        e.hasValue = true;
        if (isAlive(target)) deliver(target, e);
        e.kind = InputEvent::Button;
        e.code = kSelectUp;
        e.hasValue = false;
        if (isAlive(target)) deliver(target, e);
        return;
    }
    case InputAction::RowClick: {
        for (int i = 0; i < (a.doubleClick ? 2 : 1) && isAlive(target); ++i) {
            InputEvent e = event(InputEvent::Button, kSelectDown, a.qualifier);
            e.value = a.value;
            e.hasValue = true;
            e.column = a.column;
            deliver(target, e);
            e.code = kSelectUp;
            e.hasValue = false;
            if (isAlive(target)) deliver(target, e);
        }
        return;
    }
    case InputAction::Drop: {
        DropMessage message;
        message.x = a.x;
        message.y = a.y;
        message.files = a.files;
        pulse(target, attr::AppMessage, reinterpret_cast<Word>(&message));
        return;
    }
    case InputAction::Wheel: {
        long steps = a.value < 0 ? -a.value : a.value;
        for (long i = 0; i < steps && isAlive(target); ++i)
            deliver(target, event(InputEvent::Wheel, a.value < 0 ? kWheelUp : kWheelDown, a.qualifier));
        return;
    }
    case InputAction::Raw: {
        InputEvent e = a.event;
        if (!e.timeMs) e.timeMs = g_actionTime;
        deliver(target, e);
        return;
    }
    case InputAction::MenuPick:
    case InputAction::ContextMenu:
    case InputAction::OpenMenu:
    case InputAction::CloseMenu:
    case InputAction::Popup: return;
    }
}

} // namespace

// ------------------------------------------------------------- queueing

void queueAction(const InputAction &action)
{
    InputAction *queued = new InputAction(action);
    queued->timeMs = clockMs();
    world().input.push_back(queued);
    raiseApplicationSignals();
}

namespace {
InputAction make(InputAction::Kind kind, const Target &target)
{
    InputAction a;
    a.kind = kind;
    a.target = target;
    return a;
}
} // namespace

void click(const Target &target) { queueAction(make(InputAction::Click, target)); }
void toggle(const Target &target) { queueAction(make(InputAction::Toggle, target)); }

void typeText(const Target &target, const char *text)
{
    InputAction a = make(InputAction::Type, target);
    a.text = text ? text : "";
    queueAction(a);
}

void pressKey(const Target &target, const char *key, uint32_t qualifier)
{
    InputAction a = make(InputAction::Key, target);
    a.text = key ? key : "";
    a.qualifier = qualifier;
    queueAction(a);
}

void activate(const Target &target) { queueAction(make(InputAction::Activate, target)); }

void pickMenu(const Target &target)
{
    // A "Menu/Item" label is a path in the window's menu strip; a name names the item.
    InputAction a = make(InputAction::MenuPick, target);
    if (target.name.empty() && !target.label.empty()) {
        a.text = target.label;
        a.target.label.clear();
    }
    queueAction(a);
}

void pickContextMenu(const Target &widget, const char *path)
{
    InputAction a = make(InputAction::ContextMenu, widget);
    a.text = path ? path : "";
    queueAction(a);
}

void openMenu(const Target &target, const char *path)
{
    InputAction a = make(InputAction::OpenMenu, target);
    a.text = path ? path : "";
    queueAction(a);
}

void closeMenu() { queueAction(make(InputAction::CloseMenu, Target{})); }

void closeWindow(const Target &target) { queueAction(make(InputAction::CloseWindow, target)); }

void drag(const Target &target, long value)
{
    InputAction a = make(InputAction::Drag, target);
    a.value = value;
    queueAction(a);
}

void clickRow(const Target &target, long row, int column, bool doubleClick)
{
    InputAction a = make(InputAction::RowClick, target);
    a.value = row;
    a.column = column;
    a.doubleClick = doubleClick;
    queueAction(a);
}

void dropFiles(const Target &target, int x, int y, const std::vector<std::string> &files)
{
    InputAction a = make(InputAction::Drop, target);
    a.x = x;
    a.y = y;
    a.files = files;
    queueAction(a);
}

void wheel(const Target &target, long steps)
{
    InputAction a = make(InputAction::Wheel, target);
    a.value = steps;
    queueAction(a);
}

void rawEvent(const Target &target, const InputEvent &e)
{
    InputAction a = make(InputAction::Raw, target);
    a.event = e;
    queueAction(a);
}

void popup(const Target &target) { queueAction(make(InputAction::Popup, target)); }

void closePopup(const Target &target, bool accept)
{
    InputAction a = make(InputAction::Popup, target);
    a.value = accept ? 1 : 2;
    queueAction(a);
}

size_t queuedActions() { return world().input.size(); }
const std::vector<std::string> &inputLog() { return world().inputLog; }

void clearInput()
{
    World &w = world();
    for (InputAction *a : w.input) delete a;
    w.input.clear();
    w.inputLog.clear();
}

Object *resolveTarget(const Target &target)
{
    if (!target.name.empty()) return findByName(target.name.c_str());
    Object *window = findWindow(target.window.c_str());
    if (!window || target.label.empty()) return window;
    return findByLabel(window, target.label.c_str());
}

int processNextAction()
{
    World &w = world();
    if (w.input.empty()) return 0;
    InputAction *a = w.input.front();
    w.input.pop_front();
    g_actionTime = a->timeMs;
    hideRequester();
    closeMenuPicture();
    process(*a);
    delete a;
    return 1;
}

} // namespace tk
