// Area.mui: everything a widget has on screen. Frame, help text, disabled
// and shown state, weights, geometry, input mode with the selected and
// pressed states, context menu, and the drawing life (setup, show, hide,
// cleanup) that the layout and drawing layer builds on.
#include "class_support.h"
#include "toolkit/draw.h"
#include "toolkit/input.h"
#include "toolkit/layout.h"
#include "toolkit/screen.h"
#include "toolkit/text.h"

#include <algorithm>

namespace tk {

namespace {

struct AreaData {
    Word frame = 0;
    std::string frameTitle;
    Word background = 0;
    bool disabled = false;
    bool showMe = true;
    std::string shortHelp;
    Word horizWeight = 100, vertWeight = 100;
    Word fixWidth = 0, fixHeight = 0;
    SWord inner[4] = {-1, -1, -1, -1}; // left, right, top, bottom; -1: the frame's own
    bool fillArea = true;
    Word controlChar = 0;
    bool cycleChain = false;
    Word inputMode = attr::InputModeNone;
    bool selected = false;
    bool pressed = false;
    Word timer = 0;
    Object *contextMenu = nullptr; // not owned: a menu strip of the owner
    Word font = 0;
    bool dropable = true;
    long left = 0, top = 0, width = 0, height = 0;
    bool setUp = false, shown = false;
};

long innerSpacing(const AreaData *d, int side)
{
    return d->inner[side] >= 0 ? long(d->inner[side]) : frameSpec(d->frame).inner[side];
}

// The room frame, title and spacing take; the sizes start from it.
void askMinMax(Object *object, AreaData *d, MinMax *mm)
{
    const int border = frameSpec(d->frame).border;
    const int title = d->frameTitle.empty() ? 0 : fontHeight(kFontTitle);
    object->inset[0] = border + int(innerSpacing(d, 0));
    object->inset[1] = border + int(innerSpacing(d, 1));
    object->inset[2] = (title ? title : border) + int(innerSpacing(d, 2));
    object->inset[3] = border + int(innerSpacing(d, 3));
    mm->minWidth = mm->defWidth = mm->maxWidth = object->inset[0] + object->inset[1];
    mm->minHeight = mm->defHeight = mm->maxHeight = object->inset[2] + object->inset[3];
}

void draw(Object *object, AreaData *d, Word flags)
{
    if (!(flags & kDrawObject)) return;
    RastPort *rp = rastPortOf(object);
    const Rect box{int(d->left), int(d->top), int(d->width), int(d->height)};
    const uint32_t background = backgroundOf(object);
    if (d->fillArea) {
        const bool down = d->selected && (d->inputMode == attr::InputModeRelVerify || d->inputMode == attr::InputModeToggle);
        rectFill(rp, box.x, box.y, box.x + box.width - 1, box.y + box.height - 1, down ? kColPressed : background);
    }
    const bool pressed = d->selected && d->inputMode != attr::InputModeNone;
    if (d->frame || !d->frameTitle.empty()) drawFrame(rp, box, d->frame, d->frameTitle.c_str(), pressed, background);
}

// Drawn now when on the screen; the window learns which part changed.
Word redrawNow(Object *object, AreaData *d, Word flags)
{
    if (!object->shown || !rastPortOf(object)) return 0;
    drawObject(object, flags);
    noteDamage(windowOf(object), Rect{int(d->left), int(d->top), int(d->width), int(d->height)});
    return 1;
}

void applySet(Object *object, AreaData *d, const TagItem *tags, bool creating)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::Frame: d->frame = v; break;
        case attr::FrameTitle: setText(object, d->frameTitle, attr::FrameTitle, v, q); break;
        case attr::Background: d->background = v; break;
        case attr::Disabled: setFlag(object, d->disabled, attr::Disabled, v, q); break;
        case attr::ShowMe: setFlag(object, d->showMe, attr::ShowMe, v, q); break;
        case attr::ShortHelp: setText(object, d->shortHelp, attr::ShortHelp, v, q); break;
        case attr::Weight: d->horizWeight = d->vertWeight = v; break;
        case attr::HorizWeight: d->horizWeight = v; break;
        case attr::VertWeight: d->vertWeight = v; break;
        case attr::FixWidth: d->fixWidth = v; break;
        case attr::FixHeight: d->fixHeight = v; break;
        case attr::InnerLeft: d->inner[0] = SWord(v); break;
        case attr::InnerRight: d->inner[1] = SWord(v); break;
        case attr::InnerTop: d->inner[2] = SWord(v); break;
        case attr::InnerBottom: d->inner[3] = SWord(v); break;
        case attr::FillArea: d->fillArea = v != 0; break;
        case attr::ControlChar: d->controlChar = v; break;
        case attr::CycleChain: d->cycleChain = v != 0; break;
        case attr::InputMode: d->inputMode = v; break;
        case attr::Selected: setFlag(object, d->selected, attr::Selected, v, q); break;
        case attr::Pressed: setFlag(object, d->pressed, attr::Pressed, v, q); break;
        case attr::Timer: setField(object, d->timer, attr::Timer, v, q); break;
        case attr::ContextMenu: d->contextMenu = reinterpret_cast<Object *>(v); break;
        case attr::ContextMenuTrigger: if (!creating) pulse(object, attr::ContextMenuTrigger, v, q); break;
        case attr::Font: d->font = v; break;
        case attr::Dropable: d->dropable = v != 0; break;
        }
    }
}

// Default input: a mouse button acts by the input mode.
Word handleEvent(Object *object, AreaData *d, const InputEvent *event)
{
    if (!event || d->disabled) return 0;
    if (event->kind == InputEvent::Button) {
        switch (d->inputMode) {
        case attr::InputModeRelVerify:
            if (event->code == kSelectDown) {
                set(object, attr::Selected, 1);
                set(object, attr::Pressed, 1);
                return kEat;
            }
            if (event->code == kSelectUp && d->pressed) {
                set(object, attr::Selected, 0);
                set(object, attr::Pressed, 0);
                return kEat;
            }
            break;
        case attr::InputModeToggle:
            if (event->code == kSelectDown) {
                set(object, attr::Selected, !d->selected);
                return kEat;
            }
            break;
        case attr::InputModeImmediate:
            if (event->code == kSelectDown) {
                set(object, attr::Selected, 1);
                return kEat;
            }
            break;
        }
    }
    if (event->kind == InputEvent::Key && !(event->code & 0x80) && d->inputMode != attr::InputModeNone &&
        (event->code == kKeyReturn || event->character == ' ')) {
        // Return on the active widget works as a click.
        InputEvent down = *event;
        down.kind = InputEvent::Button;
        down.code = kSelectDown;
        handleEvent(object, d, &down);
        down.code = kSelectUp;
        handleEvent(object, d, &down);
        return kEat;
    }
    return 0;
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        AreaData *d = constructData<AreaData>(cls, object, msg);
        if (!d) return 0;
        applySet(object, d, msgTags(msg), true);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<AreaData>(cls, object, msg);
    case method::Set: {
        AreaData *d = instance<AreaData>(cls, object);
        const bool selected = d->selected, disabled = d->disabled, showMe = d->showMe;
        const std::string title = d->frameTitle;
        applySet(object, d, msgTags(msg), false);
        if (showMe != d->showMe) {
            // Hidden or shown again: the window arranges itself anew.
            if (object->parent) requestLayout(object->parent);
        } else if (title != d->frameTitle) {
            contentChanged(object);
        } else if (selected != d->selected || disabled != d->disabled) {
            redrawNow(object, d, kDrawObject);
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::AskMinMax: askMinMax(object, instance<AreaData>(cls, object), reinterpret_cast<MinMax *>(msg[1])); return 0;
    case method::Layout: {
        AreaData *d = instance<AreaData>(cls, object);
        d->left = long(SWord(msg[1]));
        d->top = long(SWord(msg[2]));
        d->width = long(SWord(msg[3]));
        d->height = long(SWord(msg[4]));
        return 1;
    }
    case method::Draw: draw(object, instance<AreaData>(cls, object), msg[1]); return 0;
    case method::Redraw: return redrawNow(object, instance<AreaData>(cls, object), msg[1]);
    case method::Get: {
        AreaData *d = instance<AreaData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::Frame: return answer(msg, d->frame);
        case attr::FrameTitle: return answer(msg, textWord(d->frameTitle));
        case attr::Background: return answer(msg, d->background);
        case attr::Disabled: return answer(msg, d->disabled);
        case attr::ShowMe: return answer(msg, d->showMe);
        case attr::ShortHelp: return answer(msg, textWord(d->shortHelp));
        case attr::Weight:
        case attr::HorizWeight: return answer(msg, d->horizWeight);
        case attr::VertWeight: return answer(msg, d->vertWeight);
        case attr::FixWidth: return answer(msg, d->fixWidth);
        case attr::FixHeight: return answer(msg, d->fixHeight);
        case attr::InnerLeft: return answer(msg, Word(innerSpacing(d, 0)));
        case attr::InnerRight: return answer(msg, Word(innerSpacing(d, 1)));
        case attr::InnerTop: return answer(msg, Word(innerSpacing(d, 2)));
        case attr::InnerBottom: return answer(msg, Word(innerSpacing(d, 3)));
        case attr::FillArea: return answer(msg, d->fillArea);
        case attr::MLeft: return answer(msg, Word(d->left + object->inset[0]));
        case attr::MTop: return answer(msg, Word(d->top + object->inset[2]));
        case attr::MWidth: return answer(msg, Word(std::max(0L, d->width - object->inset[0] - object->inset[1])));
        case attr::MHeight: return answer(msg, Word(std::max(0L, d->height - object->inset[2] - object->inset[3])));
        case attr::ControlChar: return answer(msg, d->controlChar);
        case attr::CycleChain: return answer(msg, d->cycleChain);
        case attr::InputMode: return answer(msg, d->inputMode);
        case attr::Selected: return answer(msg, d->selected);
        case attr::Pressed: return answer(msg, d->pressed);
        case attr::Timer: return answer(msg, d->timer);
        case attr::ContextMenu: return answer(msg, isAlive(d->contextMenu) ? reinterpret_cast<Word>(d->contextMenu) : 0);
        case attr::Font: return answer(msg, d->font);
        case attr::Dropable: return answer(msg, d->dropable);
        case attr::Left: return answer(msg, Word(d->left));
        case attr::Top: return answer(msg, Word(d->top));
        case attr::Width: return answer(msg, Word(d->width));
        case attr::Height: return answer(msg, Word(d->height));
        case attr::Label:
            if (!d->frameTitle.empty()) return answer(msg, textWord(d->frameTitle));
            break;
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::Setup: instance<AreaData>(cls, object)->setUp = true; return 1;
    case method::Cleanup: instance<AreaData>(cls, object)->setUp = false; return 1;
    case method::Show: instance<AreaData>(cls, object)->shown = true; return 1;
    case method::Hide: instance<AreaData>(cls, object)->shown = false; return 1;
    case method::HandleEvent:
        return handleEvent(object, instance<AreaData>(cls, object), reinterpret_cast<const InputEvent *>(msg[1]));
    case kMethodRetire: {
        AreaData *d = instance<AreaData>(cls, object);
        if (d->shown) doMethod(object, method::Hide);
        if (d->setUp) doMethod(object, method::Cleanup);
        return doSuperMethodA(cls, object, msg);
    }
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kAreaClass = {"Area.mui", "Notify.mui", sizeof(AreaData), dispatch, false};

} // namespace tk
