// Window.mui: a window with one root object and an optional menu strip. It
// opens only as part of an application; it keeps the active and default
// objects, its title, the requested size and position (special values kept
// as given), and a sleep counter during which it takes no input.
#include "class_support.h"
#include "draw/window_frame.h"
#include "toolkit/draw.h"
#include "toolkit/layout.h"
#include "toolkit/screen.h"

#include <algorithm>

namespace tk {

namespace {

struct WindowData {
    std::string title, screenTitle, pubScreen;
    bool wantOpen = false, isOpen = false;
    bool closeGadget = true, sizeGadget = true, dragBar = true;
    bool activate = true;
    Object *root = nullptr;
    Object *menustrip = nullptr;
    WeakObject activeObject;
    WeakObject defaultObject;
    SWord width = attr::WinSizeDefault, height = attr::WinSizeDefault;
    SWord left = attr::WinPosCentered, top = attr::WinPosCentered;
    long sleep = 0;
    Word id = 0;
    Word appWindow = 0, borderless = 0;
    // On the screen while open: the bitmap, how it is drawn into, the
    // place and size (borders included) and the borders.
    BitMap *bitmap = nullptr;
    RastPort rp;
    PenSet pens;
    long boxLeft = 0, boxTop = 0, boxWidth = 0, boxHeight = 0;
    int border[4] = {0, 0, 0, 0};
};

void drawFrameOf(Object *object, WindowData *d)
{
    if (!d->bitmap) return;
    drawWindowFrame(&d->rp, d->bitmap->width, d->bitmap->height, d->border, d->title.c_str(), d->activate,
                    d->closeGadget, d->sizeGadget);
    noteDamage(object, Rect{0, 0, d->bitmap->width, d->bitmap->height});
}

// Everything anew: background, borders, the whole tree.
void drawWindow(Object *object, WindowData *d)
{
    if (!d->bitmap) return;
    rectFill(&d->rp, 0, 0, d->bitmap->width - 1, d->bitmap->height - 1, kColBackground);
    if (d->root && d->root->shown) drawObject(d->root, kDrawObject);
    drawFrameOf(object, d);
}

// Sizes the window from its root (keeping the inside size asked for where
// the contents allow it), places the root, and draws. `wantW`/`wantH` -1:
// the present size, or the one the attributes ask for on opening.
void layoutWindow(Object *object, WindowData *d, long wantW, long wantH)
{
    Screen &s = screen();
    windowBorders(d->borderless != 0, d->dragBar, d->sizeGadget, d->border);
    const long extraW = d->border[0] + d->border[1] + 2 * kWindowMargin;
    const long extraH = d->border[2] + d->border[3] + 2 * kWindowMargin;
    MinMax mm;
    if (d->root) mm = queryMinMax(d->root);
    const long maxW = std::max(mm.minWidth, std::min(mm.maxWidth, long(s.width) - extraW));
    const long maxH = std::max(mm.minHeight, std::min(mm.maxHeight, long(s.height) - extraH));
    long innerW, innerH;
    if (!d->bitmap) {
        innerW = resolveWindowSize(d->width, mm.minWidth, mm.defWidth, maxW, s.width - extraW, s.width - extraW);
        innerH = resolveWindowSize(d->height, mm.minHeight, mm.defHeight, maxH, s.height - extraH,
                                   s.height - s.titleBarHeight - extraH);
    } else {
        innerW = wantW >= 0 ? wantW : d->boxWidth - extraW;
        innerH = wantH >= 0 ? wantH : d->boxHeight - extraH;
    }
    innerW = std::clamp(innerW, mm.minWidth, maxW);
    innerH = std::clamp(innerH, mm.minHeight, maxH);
    const long boxW = innerW + extraW, boxH = innerH + extraH;
    const bool resized = !d->bitmap || boxW != d->boxWidth || boxH != d->boxHeight;
    if (resized) {
        BitMap *bitmap = allocBitMap(int(boxW), int(boxH), s.format, &s.colours);
        if (!bitmap) return;
        freeBitMap(d->bitmap);
        d->bitmap = bitmap;
        d->rp.bitmap = bitmap;
        d->rp.clipRects.assign(1, Rect{0, 0, int(boxW), int(boxH)});
        d->rp.limits.clear();
        d->pens.map = &s.colours;
        d->rp.pens = s.format == kPixLut8 ? &d->pens : nullptr;
        if (d->boxWidth == 0) {
            d->boxLeft = resolveWindowPos(d->left, boxW, s.width, s.mouseX, s.titleBarHeight, false);
            d->boxTop = resolveWindowPos(d->top, boxH, s.height, s.mouseY, s.titleBarHeight, true);
        } else {
            d->boxLeft = std::max(0L, std::min(d->boxLeft, long(s.width) - boxW));
            d->boxTop = std::max(0L, std::min(d->boxTop, long(s.height) - boxH));
        }
        d->boxWidth = boxW;
        d->boxHeight = boxH;
    }
    ++s.layouts;
    if (d->root) placeObject(d->root, d->border[0] + kWindowMargin, d->border[2] + kWindowMargin, innerW, innerH);
    drawWindow(object, d);
    if (resized && s.observer.windowShown) s.observer.windowShown(s.observer.data, object);
}

void leaveScreenBitmap(Object *object, WindowData *d)
{
    screenRemoveWindow(object);
    d->pens.releaseAll();
    freeBitMap(d->bitmap);
    d->bitmap = nullptr;
    d->rp = RastPort();
    d->boxLeft = d->boxTop = d->boxWidth = d->boxHeight = 0;
}

bool appIconified(Object *object)
{
    Object *app = applicationOf(object);
    return app && getOr(app, attr::AppIconified, 0);
}

// The widgets that take part in keyboard cycling, in tree order.
std::vector<Object *> cycleChain(Object *root)
{
    std::vector<Object *> chain;
    if (!root) return chain;
    walkTree(root, [&](Object *o) {
        if (getOr(o, attr::CycleChain, 0) && !getOr(o, attr::Disabled, 0) && getOr(o, attr::ShowMe, 1))
            chain.push_back(o);
    });
    return chain;
}

void makeActiveWindow(Object *object, WindowData *d, bool quiet)
{
    if (d->activate) return;
    d->activate = true;
    drawFrameOf(object, d);
    if (Object *app = applicationOf(object))
        for (size_t i = 0; i < app->children.size(); ++i) {
            Object *other = app->children[i];
            if (other != object && getOr(other, attr::WinActivate, 0)) set(other, attr::WinActivate, 0);
        }
    changed(object, attr::WinActivate, 1, quiet);
}

void openWindow(Object *object, WindowData *d, bool quiet)
{
    d->wantOpen = true;
    if (d->isOpen || !applicationOf(object)) return;
    d->isOpen = true;
    if (d->root) doMethod(d->root, method::Setup);
    screenAddWindow(object);
    if (d->root && !appIconified(object)) doMethod(d->root, method::Show);
    layoutWindow(object, d, -1, -1);
    changed(object, attr::WinOpen, 1, quiet);
    if (d->activate) {
        d->activate = false;
        makeActiveWindow(object, d, quiet);
    }
}

void closeWindow(Object *object, WindowData *d, bool quiet)
{
    d->wantOpen = false;
    if (!d->isOpen) return;
    if (d->root) {
        doMethod(d->root, method::Hide);
        doMethod(d->root, method::Cleanup);
    }
    leaveScreenBitmap(object, d);
    d->isOpen = false;
    changed(object, attr::WinOpen, 0, quiet);
}

void setActiveObject(Object *object, WindowData *d, Word value, bool quiet)
{
    Object *target = nullptr;
    if (value == attr::ActiveObjectNext || value == attr::ActiveObjectPrev) {
        std::vector<Object *> chain = cycleChain(d->root);
        if (chain.empty()) return;
        long at = -1;
        for (size_t i = 0; i < chain.size(); ++i)
            if (chain[i] == d->activeObject.ptr) at = long(i);
        const long n = long(chain.size());
        if (value == attr::ActiveObjectNext)
            at = at < 0 ? 0 : (at + 1) % n;
        else
            at = at < 0 ? n - 1 : (at + n - 1) % n;
        target = chain[size_t(at)];
    } else if (value != attr::ActiveObjectNone) {
        target = reinterpret_cast<Object *>(value);
        if (!isAlive(target) || windowOf(target) != object) return; // not in this window
    }
    if (target == d->activeObject.ptr) return;
    d->activeObject = target;
    changed(object, attr::WinActiveObject, reinterpret_cast<Word>(target), quiet);
}

void setSleep(Object *object, WindowData *d, bool on, bool quiet)
{
    const bool was = d->sleep > 0;
    if (on)
        ++d->sleep;
    else if (d->sleep > 0)
        --d->sleep;
    if (was != (d->sleep > 0)) changed(object, attr::WinSleep, d->sleep > 0, quiet);
}

void applySet(Object *object, WindowData *d, const TagItem *tags, bool creating)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::WinTitle:
            setText(object, d->title, attr::WinTitle, v, q);
            drawFrameOf(object, d);
            break;
        case attr::WinScreenTitle: setText(object, d->screenTitle, attr::WinScreenTitle, v, q); break;
        case attr::WinPubScreen: setText(object, d->pubScreen, attr::WinPubScreen, v, q); break;
        case attr::WinOpen:
            if (creating)
                d->wantOpen = v != 0;
            else if (v)
                openWindow(object, d, q);
            else
                closeWindow(object, d, q);
            break;
        case attr::WinCloseGadget: d->closeGadget = v != 0; break;
        case attr::WinSizeGadget: d->sizeGadget = v != 0; break;
        case attr::WinDragBar: d->dragBar = v != 0; break;
        case attr::WinActivate:
            if (creating || !d->isOpen) {
                d->activate = v != 0;
            } else if (v) {
                makeActiveWindow(object, d, q);
            } else if (d->activate) {
                d->activate = false;
                drawFrameOf(object, d);
                changed(object, attr::WinActivate, 0, q);
            }
            break;
        case attr::WinCloseRequest: if (!creating) pulse(object, attr::WinCloseRequest, v, q); break;
        case attr::WinActiveObject: if (!creating) setActiveObject(object, d, v, q); break;
        case attr::WinDefaultObject: {
            Object *target = reinterpret_cast<Object *>(v);
            if (!target || (isAlive(target) && (creating || windowOf(target) == object))) d->defaultObject = target;
            break;
        }
        case attr::WinWidth: d->width = SWord(v); break;
        case attr::WinHeight: d->height = SWord(v); break;
        case attr::WinLeftEdge: d->left = SWord(v); break;
        case attr::WinTopEdge: d->top = SWord(v); break;
        case attr::WinSleep: setSleep(object, d, v != 0, q); break;
        case attr::WinID: d->id = v; break;
        case attr::WinAppWindow: d->appWindow = v; break;
        case attr::WinBorderless: d->borderless = v; break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        WindowData *d = constructData<WindowData>(cls, object, msg);
        if (!d) return 0;
        Object *root = reinterpret_cast<Object *>(tagData(msgTags(msg), attr::WinRootObject, 0));
        Object *strip = reinterpret_cast<Object *>(tagData(msgTags(msg), attr::WinMenustrip, 0));
        if (findTag(msgTags(msg), attr::WinRootObject) && !root) {
            // The root could not be made: the window cannot either.
            disposeObject(strip);
            return abandonNew<WindowData>(cls, object);
        }
        if (isAlive(root)) {
            adopt(object, root);
            d->root = root;
        }
        if (isAlive(strip)) {
            adopt(object, strip);
            d->menustrip = strip;
        }
        applySet(object, d, msgTags(msg), true);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: return destroyData<WindowData>(cls, object, msg);
    case method::Set:
        applySet(object, instance<WindowData>(cls, object), msgTags(msg), false);
        return doSuperMethodA(cls, object, msg);
    case method::Get: {
        WindowData *d = instance<WindowData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::WinTitle:
        case attr::Label: return answer(msg, textWord(d->title));
        case attr::WinScreenTitle: return answer(msg, textWord(d->screenTitle));
        case attr::WinPubScreen: return answer(msg, textWord(d->pubScreen));
        case attr::WinOpen: return answer(msg, d->isOpen);
        case attr::WinCloseGadget: return answer(msg, d->closeGadget);
        case attr::WinSizeGadget: return answer(msg, d->sizeGadget);
        case attr::WinDragBar: return answer(msg, d->dragBar);
        case attr::WinActivate: return answer(msg, d->isOpen && d->activate);
        case attr::WinCloseRequest: return answer(msg, 0);
        case attr::WinActiveObject: return answer(msg, reinterpret_cast<Word>(d->activeObject.ptr));
        case attr::WinDefaultObject: return answer(msg, reinterpret_cast<Word>(d->defaultObject.ptr));
        case attr::WinMenustrip: return answer(msg, reinterpret_cast<Word>(d->menustrip));
        case attr::WinRootObject: return answer(msg, reinterpret_cast<Word>(d->root));
        case attr::WinWidth: return answer(msg, Word(d->width));
        case attr::WinHeight: return answer(msg, Word(d->height));
        case attr::WinLeftEdge: return answer(msg, Word(d->left));
        case attr::WinTopEdge: return answer(msg, Word(d->top));
        case attr::WinSleep: return answer(msg, d->sleep > 0);
        case attr::WinID: return answer(msg, d->id);
        case attr::WinAppWindow: return answer(msg, d->appWindow);
        case attr::WinBitMap: return answer(msg, reinterpret_cast<Word>(d->bitmap));
        case attr::WinRastPort: return answer(msg, d->bitmap ? reinterpret_cast<Word>(&d->rp) : 0);
        case attr::WinBoxLeft: return answer(msg, Word(d->boxLeft));
        case attr::WinBoxTop: return answer(msg, Word(d->boxTop));
        case attr::WinBoxWidth: return answer(msg, Word(d->boxWidth));
        case attr::WinBoxHeight: return answer(msg, Word(d->boxHeight));
        case attr::WinBorderLeft: return answer(msg, Word(d->border[0]));
        case attr::WinBorderRight: return answer(msg, Word(d->border[1]));
        case attr::WinBorderTop: return answer(msg, Word(d->border[2]));
        case attr::WinBorderBottom: return answer(msg, Word(d->border[3]));
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::RemMember: {
        WindowData *d = instance<WindowData>(cls, object);
        Object *child = reinterpret_cast<Object *>(msg[1]);
        if (child == d->root) {
            if (d->isOpen) {
                doMethod(child, method::Hide);
                doMethod(child, method::Cleanup);
            }
            d->root = nullptr;
        }
        if (child == d->menustrip) d->menustrip = nullptr;
        return doSuperMethodA(cls, object, msg);
    }
    case kMethodWindowIconify: {
        WindowData *d = instance<WindowData>(cls, object);
        if (d->root && d->isOpen) doMethod(d->root, msg[1] ? method::Hide : method::Show);
        if (d->isOpen && !msg[1]) drawWindow(object, d);
        return 1;
    }
    case kMethodWindowRelayout: {
        WindowData *d = instance<WindowData>(cls, object);
        if (!d->isOpen || !d->bitmap) return 0;
        layoutWindow(object, d, long(SWord(msg[1])), long(SWord(msg[2])));
        return 1;
    }
    case method::Redraw: {
        WindowData *d = instance<WindowData>(cls, object);
        if (d->isOpen) drawWindow(object, d);
        return d->isOpen;
    }
    case kMethodWindowAttached: {
        WindowData *d = instance<WindowData>(cls, object);
        if (d->wantOpen) openWindow(object, d, false);
        return 1;
    }
    case kMethodRetire: closeWindow(object, instance<WindowData>(cls, object), false); return 0;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kWindowClass = {"Window.mui", "Notify.mui", sizeof(WindowData), dispatch, false};

} // namespace tk
