// The host's own script commands: what a script needs to load, require and
// inspect plugins and to steer the host services plugins rely on.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <ctime>

namespace host {
namespace {

// Require(name[, options]): loads the plugin if needed, then requires it.
int cmd_Require(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    if (!lua_isnoneornil(L, 2)) luaL_checktype(L, 2, LUA_TTABLE);
    require_plugin(L, name, lua_isnoneornil(L, 2) ? 0 : 2);
    return 0;
}

// LoadPlugin(name): loads the plugin and publishes its libraries without requiring it.
int cmd_LoadPlugin(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    int failed;
    {
        std::string error;
        failed = load_plugin(L, name, error);
        if (failed) lua_pushstring(L, error.c_str());
    }
    if (failed) return lua_error(L);
    return 0;
}

// Help(library, command) -> the command's help string, or nil.
int cmd_Help(lua_State *L)
{
    const char *text = help_string(luaL_checkstring(L, 1), luaL_checkstring(L, 2));
    if (text) lua_pushstring(L, text); else lua_pushnil(L);
    return 1;
}

// SetAppInfo{title=, version=, copyright=, author=, description=}
int cmd_SetAppInfo(lua_State *L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    lua_pushnil(L);
    while (lua_next(L, 1)) {
        const char *key = lua_type(L, -2) == LUA_TSTRING ? lua_tostring(L, -2) : nullptr;
        if (!key || !is_app_info_key(key)) return luaL_error(L, "SetAppInfo: unknown field \"%s\"", key ? key : "?");
        set_app_info(key, luaL_checkstring(L, -1));
        lua_pop(L, 1);
    }
    return 0;
}

// SetInfo(key, number): sets a numeric information word (e.g. 0x2C).
int cmd_SetInfo(lua_State *L)
{
    set_info_word(int(luaL_checkinteger(L, 1)), uintptr_t(luaL_checkinteger(L, 2)));
    return 0;
}

// GetAttribute(type, id, attribute): asks the object type's query callback.
int cmd_GetAttribute(lua_State *L)
{
    int type = int(luaL_checkinteger(L, 1));
    ScriptId id;
    read_id(L, 2, &id);
    int attribute = int(luaL_checkinteger(L, 3));
    lua_settop(L, 0);
    return query_object_type(L, type, id, attribute);
}

int cmd_LastErrorCode(lua_State *L)
{
    lua_pushinteger(L, last_error_code());
    return 1;
}

int cmd_SetUTF8Mode(lua_State *L)
{
    set_utf8_mode(lua_toboolean(L, 1) && !(lua_isnumber(L, 1) && lua_tonumber(L, 1) == 0));
    return 0;
}

// FailAllocation(n[, tag]): the n-th host allocation from now (of that tag) fails; 0 disarms.
int cmd_FailAllocation(lua_State *L)
{
    fail_allocation(long(luaL_checkinteger(L, 1)), luaL_optstring(L, 2, nullptr));
    return 0;
}

// HeldMemory([tag]) -> number of host blocks plugins hold now.
int cmd_HeldMemory(lua_State *L)
{
    lua_pushinteger(L, lua_Integer(held_blocks(luaL_optstring(L, 1, nullptr))));
    return 1;
}

int cmd_ObjectsFreed(lua_State *L)
{
    lua_pushinteger(L, lua_Integer(object_freed_count()));
    return 1;
}

// DefineVirtualFileFromString(data, name): a file that lives only inside the program.
int cmd_DefineVirtualFileFromString(lua_State *L)
{
    size_t n;
    const char *data = luaL_checklstring(L, 1, &n);
    define_virtual_file(luaL_checkstring(L, 2), std::string(data, n));
    return 0;
}

// Clock() -> seconds on a monotonic clock, for timing in scripts.
int cmd_Clock(lua_State *L)
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    lua_pushnumber(L, double(t.tv_sec) + double(t.tv_nsec) * 1e-9);
    return 1;
}

struct HostCommand {
    const char *name;
    lua_CFunction function;
};

const HostCommand kCommands[] = {
    {"Require", cmd_Require},
    {"LoadPlugin", cmd_LoadPlugin},
    {"Help", cmd_Help},
    {"SetAppInfo", cmd_SetAppInfo},
    {"SetInfo", cmd_SetInfo},
    {"GetAttribute", cmd_GetAttribute},
    {"LastErrorCode", cmd_LastErrorCode},
    {"SetUTF8Mode", cmd_SetUTF8Mode},
    {"FailAllocation", cmd_FailAllocation},
    {"HeldMemory", cmd_HeldMemory},
    {"ObjectsFreed", cmd_ObjectsFreed},
    {"DefineVirtualFileFromString", cmd_DefineVirtualFileFromString},
    {"Clock", cmd_Clock},
    {nullptr, nullptr},
};

} // namespace

void register_host_commands(lua_State *L)
{
    for (const HostCommand *c = kCommands; c->name; c++) lua_register(L, c->name, c->function);
    register_brush_commands(L);
    register_anim_commands(L);
    register_event_commands(L);
    register_screen_commands(L);
    register_plugin_list_commands(L);
    register_font_commands(L);
    register_memory_commands(L);
}

} // namespace host
