// "quelvorisca": a small plugin under the palette plugin's module name, with
// commands that reach the host's plugin-list, hand-over, hook, event-class
// and palette-screen services the way a plugin does.
#include "kestrune.h"

#include <cstring>

namespace {

const HostApi *g_api;
PluginInfo *g_info;
int g_hookCalls[4];
intptr_t g_hookValue;

const KsScriptServices &S() { return *g_api->script; }
const KsSystemServices &Sys() { return *g_api->system; }

void hook(int kind, intptr_t value, void *)
{
    if (kind >= 0 && kind < 4) g_hookCalls[kind]++;
    g_hookValue = value;
}
uint32_t pump() { return 0; }
int convert(ScriptState *, KsEventType *, void *) { return 0; }

// ListPlugins() -> the module names of the loaded plugins
int cmd_ListPlugins(ScriptState *s)
{
    KsPluginNode *list = Sys().obtainPluginList();
    S().newTable(s, 0, 0);
    int i = 1;
    for (KsPluginNode *n = list; n; n = n->next, i++) {
        S().pushString(s, n->moduleName);
        S().setIndex(s, -2, i);
    }
    Sys().releasePluginList(list);
    return 1;
}

// Activate(name) -> 0 or the host's code; nil when no such plugin is loaded
int cmd_Activate(ScriptState *s)
{
    size_t n;
    const char *name = S().checkString(s, 1, &n);
    KsPluginNode *list = Sys().obtainPluginList();
    int result = -1;
    for (KsPluginNode *node = list; node; node = node->next)
        if (std::strcmp(node->moduleName, name) == 0) result = Sys().activatePlugin(node);
    Sys().releasePluginList(list);
    if (result < 0) S().pushNil(s); else S().pushInteger(s, result);
    return 1;
}

// HandOver(name) -> 0 or the host's code
int cmd_HandOver(ScriptState *s)
{
    size_t n;
    static const KsPumpRecord record = {1, 2, pump};
    S().pushInteger(s, Sys().handToPlugin(S().checkString(s, 1, &n), g_info, &record));
    return 1;
}

// AddHook(kind); HookCalls(kind) -> calls so far, last value
int cmd_AddHook(ScriptState *s)
{
    Sys().registerHook(int(S().checkInteger(s, 1)), hook, nullptr);
    return 0;
}
int cmd_HookCalls(ScriptState *s)
{
    int kind = int(S().checkInteger(s, 1));
    S().pushInteger(s, kind >= 0 && kind < 4 ? g_hookCalls[kind] : 0);
    S().pushInteger(s, g_hookValue);
    return 2;
}

// RegisterEventType(name) -> whether a handle came back
int cmd_RegisterEventType(ScriptState *s)
{
    size_t n;
    S().pushInteger(s, Sys().registerEventType(S().checkString(s, 1, &n), convert) ? 1 : 0);
    return 1;
}

// AskPalette(mode) -> the host's answer to a palette-screen request with the options {1: 10}
int cmd_AskPalette(ScriptState *s)
{
    const KsTagItem options[] = {{1, 10}, {0, 0}};
    S().pushInteger(s, g_api->display->adaptToPaletteScreen(g_info, int(S().checkInteger(s, 1)), options));
    return 1;
}

const CommandEntry kCommands[] = {
    {"ListPlugins", cmd_ListPlugins},
    {"Activate", cmd_Activate},
    {"HandOver", cmd_HandOver},
    {"AddHook", cmd_AddHook},
    {"HookCalls", cmd_HookCalls},
    {"RegisterEventType", cmd_RegisterEventType},
    {"AskPalette", cmd_AskPalette},
    {nullptr, nullptr},
};

int InitPlugin(PluginInfo *info, const HostApi *api, const char *)
{
    g_api = api;
    g_info = info;
    info->capabilities = KS_CAP_LIBRARY;
    info->version = 1;
    info->name = "Quelvorisca";
    info->moduleName = "quelvorisca";
    info->hostVersion = 5;
    info->hostRevision = 0;
    return 1;
}
const char *GetBaseTable() { return "quelvorisca"; }
const CommandEntry *GetCommands() { return kCommands; }

#define ENTRY(name) {#name, reinterpret_cast<KsEntry>(name)}
const KsEntryRow kExports[] = {ENTRY(InitPlugin), ENTRY(GetBaseTable), ENTRY(GetCommands), {nullptr, nullptr}};
KsEntry lookup(const char *name) { return ks_find_entry(kExports, name); }

} // namespace

extern "C" __attribute__((visibility("default"))) const PluginHeader KestrunePluginHeader = {
    {'K', 'E', 'S', 'T', 'R', 'U', 'N', 'E'}, KS_HEADER_VERSION, lookup};
