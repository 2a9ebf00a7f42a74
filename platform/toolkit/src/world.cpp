#include "toolkit/world.h"

#include "class_support.h"
#include "toolkit/faults.h"
#include "toolkit/input.h"
#include "toolkit/requester.h"
#include "toolkit/screen.h"
#include "toolkit/versions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace tk {

void createBuiltInClasses(World &w); // object.cpp
void destroyAllObjects(World &w);    // object.cpp
void deleteAllClasses(World &w);     // object.cpp

namespace {

World *g_world = nullptr;

// Both modules that link the layer must agree on the records they share.
constexpr uint32_t kLayoutStamp =
    uint32_t(sizeof(World) * 131u + sizeof(Object) * 17u + sizeof(Class) * 7u + sizeof(NotifyRecord) +
             sizeof(Screen) * 3u + sizeof(RastPort) * 5u) ^ 0x544B0002u;
constexpr const char *kAnchorName = "KESTRUNE_TOOLKIT_WORLD";

void defaultAddOns(World &w)
{
    w.addOns = {
        {"TheBar.mcc", true, 26, 22},
        {"TextEditor.mcc", true, 15, 56},
        {"HTMLview.mcc", true, 13, 4},
        {"Listtree.mcc", true, 18, 29},
        {"Busy.mcc", true, 20, 2},
    };
}

// The world is published in the environment as "pid:address:stamp", so a
// second module in the same process finds it and a child process (which
// inherits the environment but not the memory) does not.
World *attachPublished()
{
    const char *anchor = getenv(kAnchorName);
    if (!anchor) return nullptr;
    long pid = 0;
    unsigned long long address = 0;
    unsigned stamp = 0;
    if (sscanf(anchor, "%ld:%llx:%x", &pid, &address, &stamp) != 3) return nullptr;
    if (pid != long(getpid()) || stamp != kLayoutStamp || address == 0) return nullptr;
    return reinterpret_cast<World *>(uintptr_t(address));
}

// The module that makes the world holds the code of the built-in classes;
// it stays loaded for the rest of the process so the other module never
// calls into unloaded code.
void pinThisModule()
{
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&pinThisModule), &info) && info.dli_fname)
        dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

void publish(World *w)
{
    char text[96];
    snprintf(text, sizeof text, "%ld:%llx:%x", long(getpid()), (unsigned long long)uintptr_t(w), kLayoutStamp);
    setenv(kAnchorName, text, 1);
}

} // namespace

World &world()
{
    if (g_world) return *g_world;
    if (World *w = attachPublished()) {
        g_world = w;
        return *w;
    }
    World *w = new World;
    w->layoutStamp = kLayoutStamp;
    defaultAddOns(*w);
    g_world = w;
    createBuiltInClasses(*w);
    pinThisModule();
    publish(w);
    return *w;
}

void resetWorld()
{
    World &w = world();
    destroyAllObjects(w);
    deleteAllClasses(w);
    resetScreen();
    clearInput();
    clearAnswers();
    clearRequestLog();
    w.pushed.clear();
    w.allocatedSignals = 0;
    w.pendingSignals = 0;
    w.version = 21;
    w.revision = 1;
    defaultAddOns(w);
    w.customClassFailCountdown = -1;
    w.newObjectFailCountdown.clear();
    w.clipboard.clear();
    w.clockMs = 0;
    w.doubleClickMs = 500;
    w.notifyDepth = 0;
    w.nextSerial = 1;
}

// ------------------------------------------------------------- signals

uint32_t allocSignal()
{
    World &w = world();
    // Bits 16 to 30 are the layer's; bit 12 (break) and the low bits stay free
    // for the host.
    for (int bit = 16; bit <= 30; ++bit) {
        uint32_t mask = 1u << bit;
        if (!(w.allocatedSignals & mask)) {
            w.allocatedSignals |= mask;
            w.pendingSignals &= ~mask;
            return mask;
        }
    }
    return 0;
}

void freeSignal(uint32_t bit)
{
    World &w = world();
    w.allocatedSignals &= ~bit;
    w.pendingSignals &= ~bit;
}

void raiseSignals(uint32_t bits) { world().pendingSignals |= bits; }

uint32_t takeSignals(uint32_t mask)
{
    World &w = world();
    uint32_t got = w.pendingSignals & mask;
    w.pendingSignals &= ~got;
    return got;
}

uint32_t peekSignals(uint32_t mask) { return world().pendingSignals & mask; }

uint64_t clockMs() { return world().clockMs; }
void advanceClock(uint64_t ms) { world().clockMs += ms; }

// ------------------------------------------------------------- versions

void setVersion(int version, int revision)
{
    world().version = version;
    world().revision = revision;
}
int version() { return world().version; }
int revision() { return world().revision; }
bool isVersion4()
{
    const World &w = world();
    return w.version > 20 || (w.version == 20 && w.revision > 5500);
}

void setAddOn(const char *name, bool present, int version, int revision)
{
    if (!name) return;
    for (AddOnClass &a : world().addOns)
        if (a.name == name) {
            a.present = present;
            a.version = version;
            a.revision = revision;
            return;
        }
    world().addOns.push_back(AddOnClass{name, present, version, revision});
}

const AddOnClass *addOn(const char *name)
{
    if (!name) return nullptr;
    for (const AddOnClass &a : world().addOns)
        if (a.name == name) return &a;
    return nullptr;
}

std::string addOnVersionString(const char *name)
{
    const AddOnClass *a = addOn(name);
    if (!a || !a->present) return "";
    char text[160];
    snprintf(text, sizeof text, "$VER: %s %d.%d (01.06.2021)", a->name.c_str(), a->version, a->revision);
    return text;
}

// ------------------------------------------------------------- faults

void failCustomClassAfter(long successes) { world().customClassFailCountdown = successes; }

void failNewObjectAfter(const char *className, long successes)
{
    if (!className) return;
    if (successes < 0)
        world().newObjectFailCountdown.erase(className);
    else
        world().newObjectFailCountdown[className] = successes;
}

} // namespace tk
