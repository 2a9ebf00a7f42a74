// Memory blocks scripts can fill byte by byte and hand to plugins as light
// pointers (for example as image data). Blocks left over go with the program.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <cstring>
#include <map>

namespace host {
namespace {

std::map<lua_Integer, std::vector<unsigned char>> g_blocks; // id -> zero-filled bytes
lua_Integer g_lastId = 0;

std::vector<unsigned char> &block_arg(lua_State *L, int pos)
{
    auto it = g_blocks.find(luaL_checkinteger(L, pos));
    if (it == g_blocks.end()) luaL_argerror(L, pos, "no such memory block");
    return it->second;
}

// AllocMem(size) -> mem: a block of size zero bytes.
int cmd_AllocMem(lua_State *L)
{
    lua_Integer size = luaL_checkinteger(L, 1);
    luaL_argcheck(L, size > 0 && size <= (lua_Integer(1) << 31), 1, "size out of range");
    g_blocks[++g_lastId].assign(size_t(size), 0);
    lua_pushinteger(L, g_lastId);
    return 1;
}

// PokeBytes(mem, offset, string): copies the string's bytes into the block from offset (0-based).
int cmd_PokeBytes(lua_State *L)
{
    std::vector<unsigned char> &b = block_arg(L, 1);
    lua_Integer offset = luaL_checkinteger(L, 2);
    size_t n;
    const char *bytes = luaL_checklstring(L, 3, &n);
    luaL_argcheck(L, offset >= 0 && size_t(offset) <= b.size() && n <= b.size() - size_t(offset), 2,
                  "bytes outside the block");
    std::memcpy(b.data() + offset, bytes, n);
    return 0;
}

// MemPointer(mem) -> light pointer to the block's first byte.
int cmd_MemPointer(lua_State *L)
{
    lua_pushlightuserdata(L, block_arg(L, 1).data());
    return 1;
}

// FreeMem(mem)
int cmd_FreeMem(lua_State *L)
{
    block_arg(L, 1);
    g_blocks.erase(lua_tointeger(L, 1));
    return 0;
}

const HostCommandRow kMemoryCommands[] = {
    {"AllocMem", cmd_AllocMem},
    {"PokeBytes", cmd_PokeBytes},
    {"MemPointer", cmd_MemPointer},
    {"FreeMem", cmd_FreeMem},
    {nullptr, nullptr},
};

} // namespace

void register_memory_commands(lua_State *L)
{
    for (const HostCommandRow *c = kMemoryCommands; c->name; c++) lua_register(L, c->name, c->function);
}

} // namespace host
