// The layer's process-wide state: classes, live objects, signals, versions,
// the clipboard, the simulated clock, requester answers and the input queue.
// Two modules that link the layer (the GUI plugin and the test robot) share
// one world: the first to start publishes it and the second attaches to it.
#pragma once

#include "toolkit/object.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

namespace tk {

struct InputAction;
struct RequestRecord;
struct RequestAnswer;
struct Screen;
struct InlineImage;

struct AddOnClass {
    std::string name;   // "TheBar.mcc"
    bool present = true;
    int version = 0;
    int revision = 0;
};

struct PushedMethod {
    Object *destination;
    std::vector<Word> message;
};

struct World {
    uint32_t layoutStamp = 0;            // checks that both modules agree on this record
    std::vector<Class *> classes;        // built-in classes, in table order
    std::vector<Class *> customClasses;
    std::unordered_set<Object *> live;   // every object not yet freed
    std::vector<Object *> zombies;       // disposed, waiting until they are idle
    std::unordered_set<Object **> weakSlots; // references cleared when their object goes
    uint64_t nextSerial = 1;
    int notifyDepth = 0;

    // Signals: bits handed out to applications and bits now set.
    uint32_t allocatedSignals = 0;
    uint32_t pendingSignals = 0;

    // Versions (versions.h).
    int version = 21;
    int revision = 1;
    std::vector<AddOnClass> addOns;

    // Fault injection (faults.h).
    long customClassFailCountdown = -1;
    std::map<std::string, long> newObjectFailCountdown;

    std::string clipboard;
    uint64_t clockMs = 0;                // simulated clock for double clicks
    uint64_t doubleClickMs = 500;

    std::deque<RequestAnswer *> answers; // requester.h
    std::vector<RequestRecord *> requestLog;

    std::deque<InputAction *> input;     // input.h
    std::vector<std::string> inputLog;   // actions that could not be delivered, and why
    std::deque<PushedMethod> pushed;     // deferred methods of every application

    Screen *screen = nullptr;            // screen.h, made on first use
    std::map<uint32_t, InlineImage *> images; // images.h
    uint32_t nextImageKey = 1;
};

// The world, created on first use.
World &world();
// Disposes every object, deletes custom classes and restores every knob,
// queue and log to its starting state. For tests.
void resetWorld();

// Signals of the layer. Bit 12 is never handed out.
uint32_t allocSignal();
void freeSignal(uint32_t bit);
void raiseSignals(uint32_t bits);
// The signals of `mask` that are set; they are cleared. Never blocks: there is
// no person at this machine, so nothing can arrive while waiting.
uint32_t takeSignals(uint32_t mask);
// The signals of `mask` that are set, left as they are.
uint32_t peekSignals(uint32_t mask);

// The simulated clock used for double-click timing.
uint64_t clockMs();
void advanceClock(uint64_t ms);

} // namespace tk
