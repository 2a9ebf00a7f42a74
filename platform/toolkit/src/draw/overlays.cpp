// Menus opened by the robot and requesters being shown, drawn as small
// windows of their own that the screen shows over the open windows.
#include "draw/overlays.h"

#include "draw/window_frame.h"
#include "toolkit/attributes.h"
#include "toolkit/draw.h"
#include "toolkit/layout.h"
#include "toolkit/object.h"
#include "toolkit/screen.h"
#include "toolkit/text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tk {

namespace {

constexpr int kPad = 4;            // inside a menu's edge
constexpr int kCheckColumn = 18;   // room for a check mark left of the labels
constexpr int kShortcutGap = 24;   // between a label and its shortcut
constexpr int kArrowColumn = 14;   // the submenu arrow
constexpr int kSeparatorHeight = 8;
constexpr int kMargin = 10;        // inside a requester
constexpr int kIconSize = 32;
constexpr int kButtonGap = 8;

const char *textOf(Object *object, Word attribute)
{
    return reinterpret_cast<const char *>(getOr(object, attribute, 0));
}

bool isA(Object *object, const char *className)
{
    Class *wanted = findClass(className);
    for (Class *c = object ? object->cls : nullptr; c; c = c->super)
        if (c == wanted) return true;
    return false;
}

bool isSeparator(Object *item) { return getOr(item, attr::ItemTitle, 0) == attr::kMenuBarLabel; }

// A menu item can be picked only when it, its menus and its strip are enabled.
bool enabledChain(Object *item)
{
    for (Object *o = item; o; o = o->parent) {
        if (isA(o, "Menuitem.mui") && !getOr(o, attr::ItemEnabled, 1)) return false;
        if (isA(o, "Menu.mui") && !getOr(o, attr::MenuEnabled, 1)) return false;
        if (isA(o, "Menustrip.mui")) return getOr(o, attr::MenustripEnabled, 1) != 0;
    }
    return true;
}

// The shortcut as the menu shows it: a single key is pressed with the
// command key; a command string is shown as written.
std::string shortcutText(Object *item)
{
    const char *s = textOf(item, attr::ItemShortcut);
    if (!s || !*s) return "";
    if (!s[1] && !getOr(item, attr::ItemCommandString, 0))
        return std::string("Cmd+") + char(toupper(static_cast<unsigned char>(s[0])));
    return s;
}

BitMap *newPicture(int width, int height)
{
    Screen &s = screen();
    return allocBitMap(width, height, s.format, &s.colours);
}

void outline(RastPort *rp, const Rect &r, uint32_t colour)
{
    drawLine(rp, r.x, r.y, r.x + r.width - 1, r.y, colour);
    drawLine(rp, r.x, r.y + r.height - 1, r.x + r.width - 1, r.y + r.height - 1, colour);
    drawLine(rp, r.x, r.y, r.x, r.y + r.height - 1, colour);
    drawLine(rp, r.x + r.width - 1, r.y, r.x + r.width - 1, r.y + r.height - 1, colour);
}

Rect placeOnScreen(int x, int y, int width, int height)
{
    const Screen &s = screen();
    x = std::max(0, std::min(x, s.width - width));
    y = std::max(0, std::min(y, s.height - height));
    return Rect{x, y, width, height};
}

struct ButtonSpec {
    std::string label; // with its "_" marker
    bool isDefault = false;
};

std::vector<ButtonSpec> splitButtons(const std::string &text)
{
    std::vector<ButtonSpec> out;
    if (text.empty()) return {ButtonSpec{"OK", true}};
    size_t start = 0;
    for (;;) {
        const size_t bar = text.find('|', start);
        std::string raw = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        ButtonSpec b;
        if (!raw.empty() && raw[0] == '*') {
            b.isDefault = true;
            raw.erase(0, 1);
        }
        b.label = raw;
        out.push_back(b);
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    // Without a "*" the leftmost button is the default.
    if (std::none_of(out.begin(), out.end(), [](const ButtonSpec &b) { return b.isDefault; })) out[0].isDefault = true;
    return out;
}

// A round sign for the requester's icon code, or nothing for other codes.
void drawIcon(RastPort *rp, const Rect &box, Word icon)
{
    struct Sign {
        Word code;
        uint32_t colour;
        const char *mark;
    };
    static const Sign kSigns[] = {
        {1, kColFill, "\33c\33bi"}, {2, kColFill, "\33c\33b?"}, {3, 0xD09000, "\33c\33b!"}, {4, 0xC03030, "\33c\33b\xD7"}};
    for (const Sign &sign : kSigns) {
        if (sign.code != icon) continue;
        drawDisc(rp, box, sign.colour, kColShadow);
        TextOptions options;
        options.font = kFontBig;
        options.colour = kColFillText;
        drawText(rp, box, sign.mark, options);
    }
}

bool hasIcon(Word icon) { return icon >= 1 && icon <= 4; }

} // namespace

int openMenuPicture(Object *menu, int x, int y, const void *window)
{
    if (!menu) return kErrBadArgument;
    TextOptions normal;
    const int rowHeight = fontHeight(kFontNormal) + 6;
    const int headerHeight = fontHeight(kFontTitle) + 6;
    const std::string title = shownText(textOf(menu, attr::Label), true);
    TextOptions titleOptions;
    titleOptions.font = kFontTitle;
    titleOptions.colour = kColFillText;

    // Sizes: the widest label, the widest shortcut, any submenu arrows.
    int labelWidth = measureText(title.c_str(), titleOptions).width, shortcutWidth = 0, height = headerHeight + 2 * kPad;
    bool submenus = false;
    for (Object *item : menu->children) {
        if (isSeparator(item)) {
            height += kSeparatorHeight;
            continue;
        }
        height += rowHeight;
        labelWidth = std::max(labelWidth, measureText(shownText(textOf(item, attr::Label), true).c_str(), normal).width);
        shortcutWidth = std::max(shortcutWidth, measureText(shortcutText(item).c_str(), normal).width);
        submenus = submenus || !item->children.empty();
    }
    const int width = 2 * kPad + kCheckColumn + labelWidth + (shortcutWidth ? kShortcutGap + shortcutWidth : 0) +
                      (submenus ? kArrowColumn : 0) + kPad;

    BitMap *picture = newPicture(width, height);
    if (!picture) return kErrNoMemory;
    RastPort rp;
    rp.bitmap = picture;
    rectFill(&rp, 0, 0, width - 1, height - 1, kColBackground);
    rectFill(&rp, 0, 0, width - 1, headerHeight - 1, kColFill);
    drawText(&rp, Rect{kPad + 2, 0, width - 2 * kPad, headerHeight}, title.c_str(), titleOptions);
    drawBevel(&rp, Rect{0, 0, width, height}, kBevelRaised, false);
    outline(&rp, Rect{0, 0, width, height}, kColText);

    std::vector<Rect> rows;
    int top = headerHeight + kPad;
    for (Object *item : menu->children) {
        if (isSeparator(item)) {
            const Rect row{kPad, top, width - 2 * kPad, kSeparatorHeight};
            const int mid = top + kSeparatorHeight / 2 - 1;
            drawLine(&rp, row.x, mid, row.x + row.width - 1, mid, kColShadow);
            drawLine(&rp, row.x, mid + 1, row.x + row.width - 1, mid + 1, kColShine);
            rows.push_back(row);
            top += kSeparatorHeight;
            continue;
        }
        const Rect row{kPad, top, width - 2 * kPad, rowHeight};
        TextOptions options;
        options.colour = enabledChain(item) ? kColText : kColGhost;
        if (getOr(item, attr::ItemCheckit, 0) && getOr(item, attr::ItemChecked, 0))
            drawCheck(&rp, Rect{row.x + 2, top + 3, kCheckColumn - 6, rowHeight - 6}, options.colour);
        const int labelLeft = row.x + kCheckColumn;
        drawText(&rp, Rect{labelLeft, top, labelWidth, rowHeight}, shownText(textOf(item, attr::Label), true).c_str(),
                 options);
        const std::string shortcut = shortcutText(item);
        if (!shortcut.empty()) {
            TextOptions right = options;
            right.align = kAlignRight;
            const int shortcutLeft = labelLeft + labelWidth + kShortcutGap;
            drawText(&rp, Rect{shortcutLeft, top, shortcutWidth, rowHeight}, shortcut.c_str(), right);
        }
        if (!item->children.empty())
            drawArrow(&rp, Rect{width - kPad - kArrowColumn + 2, top + (rowHeight - 10) / 2, 10, 10}, 1, options.colour);
        rows.push_back(row);
        top += rowHeight;
    }
    showMenuPicture(picture, placeOnScreen(x, y, width, height), rows, window);
    return 0;
}

int showRequesterWindow(const RequesterLook &look, Object *window)
{
    int border[4];
    windowBorders(false, true, false, border);
    TextOptions bodyOptions;
    bodyOptions.fromTop = true;
    const TextExtent body = measureText(look.body.c_str(), bodyOptions);
    TextOptions titleOptions;
    titleOptions.font = kFontTitle;
    const int titleWidth = measureText(look.title.c_str(), titleOptions).width + 20;

    const std::vector<ButtonSpec> buttons = splitButtons(look.buttons);
    TextOptions buttonOptions;
    buttonOptions.markShortcut = true;
    buttonOptions.align = kAlignCentre;
    int buttonWidth = 0;
    for (const ButtonSpec &b : buttons)
        buttonWidth = std::max(buttonWidth, measureText(b.label.c_str(), buttonOptions).width + 20);
    const int buttonHeight = fontHeight(kFontNormal) + 8;
    const int n = int(buttons.size());
    const int rowWidth = n * buttonWidth + (n - 1) * kButtonGap;

    const int iconRoom = hasIcon(look.icon) ? kIconSize + kMargin : 0;
    const int swatchHeight = look.swatch ? 24 + kMargin : 0;
    const int contentWidth = std::max({200, iconRoom + body.width, rowWidth, titleWidth});
    const int topHeight = std::max(hasIcon(look.icon) ? kIconSize : 0, body.height + swatchHeight);
    const Screen &s = screen();
    const int width = std::min(s.width, border[0] + border[1] + 2 * kMargin + contentWidth);
    const int height = std::min(s.height, border[2] + border[3] + 3 * kMargin + topHeight + buttonHeight);

    BitMap *picture = newPicture(width, height);
    if (!picture) return kErrNoMemory;
    RastPort rp;
    rp.bitmap = picture;
    rectFill(&rp, 0, 0, width - 1, height - 1, kColBackground);
    drawWindowFrame(&rp, width, height, border, look.title.c_str(), true, false, false);
    const int left = border[0] + kMargin, top = border[2] + kMargin;
    const int inner = width - border[0] - border[1] - 2 * kMargin;
    if (hasIcon(look.icon)) drawIcon(&rp, Rect{left, top, kIconSize, kIconSize}, look.icon);
    drawText(&rp, Rect{left + iconRoom, top, inner - iconRoom, body.height}, look.body.c_str(), bodyOptions);
    if (look.swatch) {
        const Rect sample{left + iconRoom, top + body.height + kMargin, 48, 24};
        rectFill(&rp, sample.x, sample.y, sample.x + sample.width - 1, sample.y + sample.height - 1, look.swatchRgb);
        outline(&rp, sample, kColText);
    }

    std::vector<Rect> boxes;
    const int buttonTop = height - border[3] - kMargin - buttonHeight;
    for (int i = 0; i < n; ++i) {
        const int x = n == 1 ? left + (inner - buttonWidth) / 2 : left + i * (inner - buttonWidth) / (n - 1);
        const Rect box{x, buttonTop, buttonWidth, buttonHeight};
        drawBevel(&rp, box, kBevelRaised, false);
        if (buttons[size_t(i)].isDefault) outline(&rp, Rect{box.x - 2, box.y - 2, box.width + 4, box.height + 4}, kColText);
        drawText(&rp, box, buttons[size_t(i)].label.c_str(), buttonOptions);
        boxes.push_back(box);
    }

    // Centred over its window when that is open, else on the screen.
    Rect over{0, 0, s.width, s.height};
    if (window && windowBitMap(window)) over = windowBox(window);
    showRequesterPicture(picture, placeOnScreen(over.x + (over.width - width) / 2, over.y + (over.height - height) / 2,
                                                width, height),
                         boxes);
    return 0;
}

} // namespace tk
