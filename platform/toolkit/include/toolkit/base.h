// Basic vocabulary of the widget layer: machine words, tag lists, hooks,
// result codes and the reserved values that the notification and input
// machinery understands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tk {

// Every attribute value, method word and return value is one machine word,
// wide enough for a pointer.
using Word = uintptr_t;
using SWord = intptr_t;

// One {tag, data} pair. A list ends with tag 0; tag 1 is skipped. Layout
// matches the host contract's KsTagItem so lists can be handed on directly.
struct TagItem {
    Word tag;
    Word data;
};

constexpr Word kTagDone = 0;
constexpr Word kTagIgnore = 1;

// A callback the layer calls synchronously (list construction, pop-up
// opening, notification hook calls). `object` is the calling object and
// `message` points to call-specific words.
struct Object;
struct Hook {
    Word (*entry)(Hook *hook, Object *object, void *message);
    void *data;
};

// Result codes. 0 is success; every failure is a code from this list.
enum Error : int {
    kOk = 0,
    kErrNoMemory = 1000,
    kErrUnknownClass = 2001,
    kErrCreateFailed = 2002,
    kErrBadObject = 2003,
    kErrBadArgument = 2004,
    kErrNotFound = 2005,
    kErrClassInUse = 2006,
    kErrNoApplication = 2007,
    kErrAlreadyUsed = 2008,
    kErrBadBitMap = 2009,    // no bitmap, or a size or format it cannot have
    kErrUnsupported = 2010,  // a minterm, format or mode the layer does not draw
    kErrFileWrite = 2011,    // a screenshot could not be written
    kErrNotOpen = 2012,      // the window is not on the screen
};

// The sizes an area asks for: filled by AskMinMax, each class adding its
// own needs to what its superclass answered.
struct MinMax {
    long minWidth = 0, minHeight = 0;
    long maxWidth = 0, maxHeight = 0;
    long defWidth = 0, defHeight = 0;
};

// Special values of the notification machinery.
constexpr Word kEveryTime = 0x49893131;       // trigger: any new value
constexpr Word kTriggerValue = 0x49893131;    // argument: replaced by the value
constexpr Word kNotTriggerValue = 0x49893133; // argument: replaced by !value

// Destinations of a notification that are resolved when it fires.
constexpr Word kNotifySelf = 1;
constexpr Word kNotifyWindow = 2;
constexpr Word kNotifyApplication = 3;
constexpr Word kNotifyParent = 4;

// Signals are a 32-bit set. Bit 12 is the break signal: the layer never
// hands it out, so a host can always wait for it next to the layer's mask.
constexpr uint32_t kBreakSignal = 0x1000;

} // namespace tk
