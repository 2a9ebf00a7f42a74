// A recording stand-in for the host's services, for calling the plugin's
// code directly.
#pragma once

#include "kestrune.h"

#include <string>
#include <vector>

struct FakeHost {
    // What the plugin did.
    std::vector<std::string> errors; // registered texts; id = 100000 + index
    std::vector<int> hookKinds;
    std::vector<std::string> eventTypes;
    std::string errorString;
    int errorNumber = 0;
    std::vector<std::string> activated;
    std::vector<std::string> handedTo;
    KsPumpRecord handed{};
    std::vector<std::vector<uintptr_t>> paletteRequests; // {mode, tag, data, tag, data, ...}
    // How the host answers.
    bool eventTypeFails = false;
    std::vector<std::string> plugins = {"ferrolin"};
    int paletteAnswer = 0;
    std::string title = "Test Program";
    bool brushesReadable = true;
    long allocations = 0;

    HostApi api{};
    KsSystemServices system{};
    KsGraphicsServices graphics{};
    KsDisplayServices display{};
    PluginInfo info{};

    FakeHost();
    // Calls InitPlugin with this host at the given version (the HostApi's version too).
    int init(int version, int revision, bool withApi = true);
    // The text of a custom error id.
    std::string message(int id) const;
};

extern FakeHost *fake; // the host the services answer for
