// Simulated input. Tests and the robot act as a person would: click, type,
// pick menus, close windows, drag sliders, click list rows, drop files. The
// actions are queued; the application's input pump turns them into events
// and notifications one at a time, when it is asked for new input, so no
// callback ever runs while an action is being queued.
#pragma once

#include "toolkit/base.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

struct Object;

// Raw input handed to an object's HandleEvent method. Positions are relative
// to the object's top-left corner.
struct InputEvent {
    enum Kind { Button, Move, Key, Character, Wheel } kind = Button;
    uint32_t code = 0;       // Button: kSelectDown...; Key: a raw key code, bit 7 set on release
    uint32_t qualifier = 0;  // kQualShift ...
    int x = 0, y = 0;
    uint64_t timeMs = 0;     // the simulated clock
    long value = 0;          // Move of a drag: the value the knob is dragged to
    bool hasValue = false;
    uint32_t character = 0;  // Character: the character typed, in the system character set
    int column = 0;          // Button on a list row (value = row): the column clicked
};

// Mouse button codes.
constexpr uint32_t kSelectDown = 104, kSelectUp = 232;
constexpr uint32_t kMenuDown = 105, kMenuUp = 233;
constexpr uint32_t kMiddleDown = 106, kMiddleUp = 234;
// Raw key codes of the keys the layer itself understands.
constexpr uint32_t kKeyTab = 0x42, kKeyReturn = 0x44, kKeyEscape = 0x45, kKeyBackspace = 0x41, kKeyDelete = 0x46;
constexpr uint32_t kKeyUp = 0x4C, kKeyDown = 0x4D, kKeyRight = 0x4E, kKeyLeft = 0x4F;
constexpr uint32_t kWheelUp = 122, kWheelDown = 123;
// Qualifiers.
constexpr uint32_t kQualLShift = 0x1, kQualRShift = 0x2, kQualShift = 0x3;
constexpr uint32_t kQualControl = 0x8, kQualLAlt = 0x10, kQualRAlt = 0x20, kQualAlt = 0x30;
constexpr uint32_t kQualLCommand = 0x40, kQualRCommand = 0x80, kQualCommand = 0xC0;
// HandleEvent answers this bit when it consumed the event.
constexpr Word kEat = 1;

// Files dropped on an object: handed as the value of its AppMessage pulse,
// valid while the notification runs.
struct DropMessage {
    int x = 0, y = 0;                  // relative to the object
    std::vector<std::string> files;
};

// Who an action is for: an object by the name its owner gave it, or the
// object showing `label` inside the window named or titled `window`. A
// window alone is named by `window` with an empty label.
struct Target {
    std::string name;
    std::string window;
    std::string label;
    static Target named(const char *name) { return Target{name, "", ""}; }
    static Target labelled(const char *window, const char *label) { return Target{"", window, label}; }
    static Target windowNamed(const char *window) { return Target{"", window, ""}; }
};

struct InputAction {
    enum Kind {
        Click, Toggle, Type, Key, Activate, MenuPick, ContextMenu, CloseWindow, Drag, RowClick, Drop, Wheel, Raw, Popup,
        OpenMenu, CloseMenu
    } kind = Click;
    Target target;
    std::string text;                 // Type: the text; Key: a key name; MenuPick, ContextMenu, OpenMenu: a "Menu/Item" path
    uint32_t qualifier = 0;
    long value = 0;                   // Drag: value; RowClick: row; Wheel: steps (negative up)
    int column = 0;                   // RowClick: the column
    bool doubleClick = false;         // RowClick
    int x = 0, y = 0;                 // Drop, Raw
    std::vector<std::string> files;   // Drop
    InputEvent event;                 // Raw
    uint64_t timeMs = 0;              // the simulated clock when the action was queued
};

// Queue actions (the application's signal is raised).
void queueAction(const InputAction &action);
void click(const Target &target);
void toggle(const Target &target);
void typeText(const Target &target, const char *text);
// A key by name: "return", "tab", "escape", "backspace", "del", "up",
// "down", "left", "right", or a single character.
void pressKey(const Target &target, const char *key, uint32_t qualifier = 0);
void activate(const Target &target);
// A menu item by name, or by window and a "Menu/Item" path of titles.
void pickMenu(const Target &target);
// An item of a widget's context menu by its "Menu/Item" path: the widget's
// context menu trigger reports the item.
void pickContextMenu(const Target &widget, const char *path);
// Opens a menu and leaves it open, drawn over the windows (screen.h): for a
// window, the menu of its strip that `path` names ("Project", or
// "Project/Recent" for a submenu); for a widget, a menu of its context menu
// (the first one when `path` is empty). The next action closes it, whatever
// it is; closeMenu does only that.
void openMenu(const Target &target, const char *path);
void closeMenu();
void closeWindow(const Target &target);
void drag(const Target &target, long value);
void clickRow(const Target &target, long row, int column = 0, bool doubleClick = false);
void dropFiles(const Target &target, int x, int y, const std::vector<std::string> &files);
void wheel(const Target &target, long steps);
void rawEvent(const Target &target, const InputEvent &event);
// Opens the pop-up of a pop-up gadget as its button would; closes a pop-up
// object's pop-up with or without taking the choice.
void popup(const Target &target);
void closePopup(const Target &target, bool accept);

size_t queuedActions();
// Why actions were dropped ("window asleep", "no such object"...), oldest first.
const std::vector<std::string> &inputLog();
void clearInput();

// Resolves a target to a live object, or null.
Object *resolveTarget(const Target &target);
// Handles the next queued action: 1 when one was handled or dropped, 0 when
// none is queued. A requester or menu on the screen goes first, as the
// person doing the action would have answered or left it. The pump calls it; tests rarely need to.
int processNextAction();

} // namespace tk
