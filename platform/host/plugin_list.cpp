// The plugin list service: which plugins are loaded, activating one, and
// handing a record from one plugin to another. Activations and hand-overs
// are logged for scripts.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <cstring>

namespace host {
namespace {

struct HandOver {
    std::string to;
    std::string from;
    KsPumpRecord record;
};

std::vector<std::string> g_activations;
std::vector<HandOver> g_handOvers;

} // namespace

KsPluginNode *obtain_plugin_list()
{
    KsPluginNode *head = nullptr, **link = &head;
    for (const LoadedPlugin &p : loaded_plugins()) {
        auto *node = static_cast<KsPluginNode *>(alloc_mem(sizeof(KsPluginNode), 1, "pluginlist"));
        if (!node) break;
        node->moduleName = p.info->moduleName ? p.info->moduleName : p.name;
        node->info = p.info;
        *link = node;
        link = &node->next;
    }
    return head;
}

int activate_plugin(KsPluginNode *plugin)
{
    if (!plugin || !plugin->moduleName) return KS_ERR_USAGE;
    g_activations.emplace_back(plugin->moduleName);
    return 0;
}

void release_plugin_list(KsPluginNode *list)
{
    while (list) {
        KsPluginNode *next = list->next;
        free_mem(list);
        list = next;
    }
}

int hand_to_plugin(const char *moduleName, PluginInfo *from, const void *record)
{
    if (!moduleName || !record) return KS_ERR_USAGE;
    for (const LoadedPlugin &p : loaded_plugins()) {
        const char *name = p.info->moduleName ? p.info->moduleName : p.name;
        if (std::strcmp(name, moduleName) != 0) continue;
        g_handOvers.push_back({moduleName, from && from->moduleName ? from->moduleName : "",
                               *static_cast<const KsPumpRecord *>(record)});
        return 0;
    }
    return KS_ERR_USAGE;
}

namespace {

// PluginActivations() -> the module names of the plugins activated, in order.
int cmd_PluginActivations(lua_State *L)
{
    lua_createtable(L, int(g_activations.size()), 0);
    for (size_t i = 0; i < g_activations.size(); i++) {
        lua_pushstring(L, g_activations[i].c_str());
        lua_rawseti(L, -2, lua_Integer(i + 1));
    }
    return 1;
}

// PluginHandOvers() -> {{to=, from=, kind=, version=, pump=boolean}, ...}
int cmd_PluginHandOvers(lua_State *L)
{
    lua_createtable(L, int(g_handOvers.size()), 0);
    for (size_t i = 0; i < g_handOvers.size(); i++) {
        const HandOver &h = g_handOvers[i];
        lua_createtable(L, 0, 5);
        lua_pushstring(L, h.to.c_str());
        lua_setfield(L, -2, "to");
        lua_pushstring(L, h.from.c_str());
        lua_setfield(L, -2, "from");
        lua_pushinteger(L, lua_Integer(h.record.kind));
        lua_setfield(L, -2, "kind");
        lua_pushinteger(L, lua_Integer(h.record.version));
        lua_setfield(L, -2, "version");
        lua_pushboolean(L, h.record.pump != nullptr);
        lua_setfield(L, -2, "pump");
        lua_rawseti(L, -2, lua_Integer(i + 1));
    }
    return 1;
}

const HostCommandRow kCommands[] = {
    {"PluginActivations", cmd_PluginActivations},
    {"PluginHandOvers", cmd_PluginHandOvers},
    {nullptr, nullptr},
};

} // namespace

void register_plugin_list_commands(lua_State *L)
{
    for (const HostCommandRow *c = kCommands; c->name; c++) lua_register(L, c->name, c->function);
}

} // namespace host
