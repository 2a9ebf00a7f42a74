// Application.mui: owns the windows, hands out return ids through the input
// pump, runs deferred methods, and sleeps and iconifies as a whole.
#include "class_support.h"
#include "toolkit/input.h"
#include "toolkit/world.h"

#include <deque>

namespace tk {

namespace {

struct AppData {
    std::string title, author, version, copyright, description, base;
    Word useCommodities = 1, useRexx = 1, diskObject = 0;
    long sleep = 0;
    bool iconified = false;
    uint32_t signal = 0;
    std::deque<Word> returnIds;
};

// Keeps the application's signal set exactly while it has something for the pump.
void updateSignal(AppData *d)
{
    const World &w = world();
    if (!d->returnIds.empty() || !w.input.empty() || !w.pushed.empty())
        raiseSignals(d->signal);
    else
        takeSignals(d->signal);
}

void runPushedMethods()
{
    World &w = world();
    // Methods pushed while these run wait for the next pass.
    size_t count = w.pushed.size();
    while (count-- > 0 && !w.pushed.empty()) {
        PushedMethod m = w.pushed.front();
        w.pushed.pop_front();
        m.message.push_back(0);
        doMethodA(m.destination, m.message.data());
    }
}

Word newInput(Object *object, AppData *d, Word *signals)
{
    Word id = 0;
    if (d->returnIds.empty()) {
        runPushedMethods();
        while (d->returnIds.empty() && isAlive(object) && processNextAction()) {
        }
    }
    if (!isAlive(object)) return 0; // an action disposed the application
    if (!d->returnIds.empty()) {
        id = d->returnIds.front();
        d->returnIds.pop_front();
    }
    updateSignal(d);
    if (signals) *signals = d->signal;
    return id;
}

void setIconified(Object *object, AppData *d, bool on, bool quiet)
{
    if (d->iconified == on) return;
    d->iconified = on;
    // Open windows leave the screen while iconified and come back after.
    for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], kMethodWindowIconify, on);
    changed(object, attr::AppIconified, on, quiet);
}

void applySet(Object *object, AppData *d, const TagItem *tags, bool creating)
{
    for (TagWalker w(tags); w.next();) {
        const Word v = w.data();
        const bool q = w.quiet();
        switch (w.tag()) {
        case attr::AppTitle: setText(object, d->title, attr::AppTitle, v, q); break;
        case attr::AppAuthor: setText(object, d->author, attr::AppAuthor, v, q); break;
        case attr::AppVersion: setText(object, d->version, attr::AppVersion, v, q); break;
        case attr::AppCopyright: setText(object, d->copyright, attr::AppCopyright, v, q); break;
        case attr::AppDescription: setText(object, d->description, attr::AppDescription, v, q); break;
        case attr::AppBase: setText(object, d->base, attr::AppBase, v, q); break;
        case attr::AppUseCommodities: d->useCommodities = v; break;
        case attr::AppUseRexx: d->useRexx = v; break;
        case attr::AppDiskObject: d->diskObject = v; break;
        case attr::AppSleep: {
            // Sleep requests nest: each TRUE needs its FALSE.
            const bool was = d->sleep > 0;
            if (v)
                ++d->sleep;
            else if (d->sleep > 0)
                --d->sleep;
            if (was != (d->sleep > 0)) changed(object, attr::AppSleep, d->sleep > 0, q);
            break;
        }
        case attr::AppIconified:
            if (creating)
                d->iconified = v != 0;
            else
                setIconified(object, d, v != 0, q);
            break;
        }
    }
}

Word dispatch(Class *cls, Object *object, const Word *msg)
{
    switch (msg[0]) {
    case method::New: {
        AppData *d = constructData<AppData>(cls, object, msg);
        if (!d) return 0;
        d->signal = allocSignal();
        if (!d->signal || !adoptChildren(object, msgTags(msg), attr::AppWindow)) {
            if (d->signal) freeSignal(d->signal);
            return abandonNew<AppData>(cls, object);
        }
        applySet(object, d, msgTags(msg), true);
        for (size_t i = 0; i < object->children.size(); ++i) doMethod(object->children[i], kMethodWindowAttached);
        return reinterpret_cast<Word>(object);
    }
    case method::Dispose: {
        AppData *d = instance<AppData>(cls, object);
        freeSignal(d->signal);
        return destroyData<AppData>(cls, object, msg);
    }
    case method::Set:
        applySet(object, instance<AppData>(cls, object), msgTags(msg), false);
        return doSuperMethodA(cls, object, msg);
    case method::Get: {
        AppData *d = instance<AppData>(cls, object);
        switch (msgGetAttr(msg)) {
        case attr::AppTitle: return answer(msg, textWord(d->title));
        case attr::AppAuthor: return answer(msg, textWord(d->author));
        case attr::AppVersion: return answer(msg, textWord(d->version));
        case attr::AppCopyright: return answer(msg, textWord(d->copyright));
        case attr::AppDescription: return answer(msg, textWord(d->description));
        case attr::AppBase: return answer(msg, textWord(d->base));
        case attr::AppSleep: return answer(msg, d->sleep > 0);
        case attr::AppIconified: return answer(msg, d->iconified);
        case attr::AppSignal: return answer(msg, d->signal);
        case attr::AppDiskObject: return answer(msg, d->diskObject);
        }
        return doSuperMethodA(cls, object, msg);
    }
    case method::AddMember: {
        Object *window = reinterpret_cast<Object *>(msg[1]);
        if (!isAlive(window) || windowOf(window) != window || window->parent) return 0;
        adopt(object, window);
        doMethod(window, kMethodWindowAttached);
        return 1;
    }
    case method::RemMember: {
        Object *window = reinterpret_cast<Object *>(msg[1]);
        if (!window || window->parent != object) return 0;
        doMethod(window, kMethodRetire);
        release(object, window);
        return 1;
    }
    case method::AppNewInput:
        return newInput(object, instance<AppData>(cls, object), reinterpret_cast<Word *>(msg[1]));
    case method::AppReturnID: {
        AppData *d = instance<AppData>(cls, object);
        d->returnIds.push_back(msg[1]);
        raiseSignals(d->signal);
        return 1;
    }
    case method::AppPushMethod: {
        // (destination, count, method, args...)
        Object *destination = reinterpret_cast<Object *>(msg[1]);
        const size_t count = msg[2] & 0xFFFF;
        if (!isAlive(destination) || count == 0 || count > 64) return 0;
        world().pushed.push_back(PushedMethod{destination, std::vector<Word>(msg + 3, msg + 3 + count)});
        raiseSignals(instance<AppData>(cls, object)->signal);
        return 1;
    }
    case method::AppAboutToolkit:
    case method::AppOpenConfigWindow: return 0;
    }
    return doSuperMethodA(cls, object, msg);
}

} // namespace

extern const ClassDef kApplicationClass = {"Application.mui", "Notify.mui", sizeof(AppData), dispatch, false};

} // namespace tk
