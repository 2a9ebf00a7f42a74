// The script stack services: plugins read arguments and push results through
// these, over the Lua 5.4 C API. Required reads raise a script error on a
// missing or ill-typed argument and do not return.
#include "host.h"

#include <cstdio>

extern "C" {
#include <lauxlib.h>
}

namespace host {
namespace {

double checkNumber(ScriptState *s, int pos) { return luaL_checknumber(L_of(s), pos); }
double optNumber(ScriptState *s, int pos, double def) { return luaL_optnumber(L_of(s), pos, def); }
int64_t checkInteger(ScriptState *s, int pos) { return luaL_checkinteger(L_of(s), pos); }
int64_t optInteger(ScriptState *s, int pos, int64_t def) { return luaL_optinteger(L_of(s), pos, def); }

const char *checkString(ScriptState *s, int pos, size_t *length)
{
    return luaL_checklstring(L_of(s), pos, length);
}

const char *optString(ScriptState *s, int pos, const char *def, size_t *length)
{
    return luaL_optlstring(L_of(s), pos, def, length);
}

void checkTable(ScriptState *s, int pos) { luaL_checktype(L_of(s), pos, LUA_TTABLE); }
int checkId(ScriptState *s, int pos, ScriptId *id) { return read_id(L_of(s), pos, id); }
int argCount(ScriptState *s) { return lua_gettop(L_of(s)); }

int typeOf(ScriptState *s, int pos)
{
    int t = lua_type(L_of(s), pos);
    return t == LUA_TNONE ? KS_TYPE_NIL : t;
}

double toNumber(ScriptState *s, int pos, int *isNumber) { return lua_tonumberx(L_of(s), pos, isNumber); }
int64_t toInteger(ScriptState *s, int pos, int *isInteger) { return lua_tointegerx(L_of(s), pos, isInteger); }
const char *toString(ScriptState *s, int pos, size_t *length) { return lua_tolstring(L_of(s), pos, length); }
void *toPointer(ScriptState *s, int pos) { return lua_touserdata(L_of(s), pos); }

void pushNumber(ScriptState *s, double v) { lua_pushnumber(L_of(s), v); }
void pushInteger(ScriptState *s, int64_t v) { lua_pushinteger(L_of(s), v); }
void pushString(ScriptState *s, const char *t) { lua_pushstring(L_of(s), t ? t : ""); }
void pushLString(ScriptState *s, const char *t, size_t n) { lua_pushlstring(L_of(s), t, n); }
void pushNil(ScriptState *s) { lua_pushnil(L_of(s)); }
void pushLightPointer(ScriptState *s, void *p) { lua_pushlightuserdata(L_of(s), p); }
void pushCommand(ScriptState *s, KsCommand c) { push_command(L_of(s), c); }
void pushValue(ScriptState *s, int pos) { lua_pushvalue(L_of(s), pos); }
void newTable(ScriptState *s, int narr, int nrec) { lua_createtable(L_of(s), narr, nrec); }

int getField(ScriptState *s, int table, const char *key) { return lua_getfield(L_of(s), table, key); }
void setField(ScriptState *s, int table, const char *key) { lua_setfield(L_of(s), table, key); }
int getIndex(ScriptState *s, int table, int64_t i) { return lua_geti(L_of(s), table, i); }
void setIndex(ScriptState *s, int table, int64_t i) { lua_seti(L_of(s), table, i); }

int newMetatable(ScriptState *s, const char *name) { return luaL_newmetatable(L_of(s), name); }
int getMetatable(ScriptState *s, const char *name) { return luaL_getmetatable(L_of(s), name); }
void setMetatable(ScriptState *s, int pos) { lua_setmetatable(L_of(s), pos); }
void *newHandleObject(ScriptState *s, size_t size) { return lua_newuserdatauv(L_of(s), size, 0); }

int ensureStack(ScriptState *s, int n) { return lua_checkstack(L_of(s), n); }
int top(ScriptState *s) { return lua_gettop(L_of(s)); }
void pop(ScriptState *s, int n) { lua_pop(L_of(s), n); }
int reference(ScriptState *s) { return luaL_ref(L_of(s), LUA_REGISTRYINDEX); }
void pushReference(ScriptState *s, int ref) { lua_rawgeti(L_of(s), LUA_REGISTRYINDEX, ref); }
void unreference(ScriptState *s, int ref) { luaL_unref(L_of(s), LUA_REGISTRYINDEX, ref); }

int call(ScriptState *s, int nargs, int nresults)
{
    lua_State *L = L_of(s);
    if (lua_pcall(L, nargs, nresults, 0) == LUA_OK) return 0;
    // The script's error stays reported; the caller sees a break-like failure.
    const char *msg = lua_tostring(L, -1);
    std::fprintf(stderr, "kestrune: error in script callback: %s\n", msg ? msg : "(no message)");
    lua_pop(L, 1);
    return KS_ERR_BREAK;
}

void raiseError(ScriptState *s, int code) { raise_error(L_of(s), code); }

// Calls the command kept in the closure's upvalue and turns its error code into a script error.
int command_trampoline(lua_State *L)
{
    auto command = reinterpret_cast<KsCommand>(reinterpret_cast<uintptr_t>(lua_touserdata(L, lua_upvalueindex(1))));
    return finish_command(L, command(S_of(L)));
}

} // namespace

int read_id(lua_State *L, int pos, ScriptId *id)
{
    switch (lua_type(L, pos)) {
    case LUA_TNONE:
    case LUA_TNIL:
        *id = {KS_ID_AUTO, nullptr};
        return 1;
    case LUA_TLIGHTUSERDATA:
        *id = {KS_ID_AUTO, lua_touserdata(L, pos)};
        return 0;
    default: {
        lua_Integer n = luaL_checkinteger(L, pos);
        if (n == KS_ID_AUTO) luaL_argerror(L, pos, "id out of range");
        *id = {intptr_t(n), nullptr};
        return 0;
    }
    }
}

void push_command(lua_State *L, KsCommand command)
{
    lua_pushlightuserdata(L, reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(command)));
    lua_pushcclosure(L, command_trampoline, 1);
}

const KsScriptServices script_services = {
    checkNumber, optNumber, checkInteger, optInteger, checkString, optString, checkTable, checkId,
    argCount, typeOf, toNumber, toInteger, toString, toPointer,
    pushNumber, pushInteger, pushString, pushLString, pushNil, pushLightPointer, pushCommand, pushValue, newTable,
    getField, setField, getIndex, setIndex,
    newMetatable, getMetatable, setMetatable, newHandleObject,
    ensureStack, top, pop, reference, pushReference, unreference, call, raiseError,
};

} // namespace host
