// Event classes that plugins register (a name and a converter), and the
// hooks of kinds 0 and 2 run on a script's request.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <memory>

struct KsEventType {
    std::string name;
    KsEventConverter converter;
};

namespace host {
namespace {

std::vector<std::unique_ptr<KsEventType>> g_eventTypes;

// EventTypes() -> the names of the registered event classes, in registration order.
int cmd_EventTypes(lua_State *L)
{
    lua_createtable(L, int(g_eventTypes.size()), 0);
    for (size_t i = 0; i < g_eventTypes.size(); i++) {
        lua_pushstring(L, g_eventTypes[i]->name.c_str());
        lua_rawseti(L, -2, lua_Integer(i + 1));
    }
    return 1;
}

// RunHooks(kind, value) -> how many hooks of that kind were called.
int cmd_RunHooks(lua_State *L)
{
    int kind = int(luaL_checkinteger(L, 1));
    intptr_t value = intptr_t(luaL_optinteger(L, 2, 0));
    lua_pushinteger(L, run_hooks(kind, value));
    return 1;
}

const HostCommandRow kCommands[] = {
    {"EventTypes", cmd_EventTypes},
    {"RunHooks", cmd_RunHooks},
    {nullptr, nullptr},
};

} // namespace

KsEventType *register_event_type(const char *name, KsEventConverter converter)
{
    if (!name || !*name || !converter) return nullptr;
    g_eventTypes.push_back(std::make_unique<KsEventType>(KsEventType{name, converter}));
    return g_eventTypes.back().get();
}

void register_event_commands(lua_State *L)
{
    for (const HostCommandRow *c = kCommands; c->name; c++) lua_register(L, c->name, c->function);
}

} // namespace host
