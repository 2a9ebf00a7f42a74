// kestrune: the stand-in host. Runs a Lua script with plugins available.
//   kestrune [--host-version MAJOR.MINOR] [--plugins DIR] [--utf8 0|1] SCRIPT [ARGS...]
#include "host.h"

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace host {

Options &options()
{
    static Options o;
    return o;
}

} // namespace host

namespace {

std::string program_dir()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    path[n] = 0;
    char *slash = std::strrchr(path, '/');
    if (slash) *slash = 0;
    return path;
}

int usage()
{
    std::fprintf(stderr, "usage: kestrune [--host-version MAJOR.MINOR] [--plugins DIR] [--utf8 0|1] SCRIPT [ARGS...]\n");
    return 2;
}

int traceback(lua_State *L)
{
    const char *msg = lua_tostring(L, 1);
    // The message stays exactly as raised; the traceback follows on its own lines.
    luaL_traceback(L, L, msg ? msg : "(error object is not a string)", 1);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    host::Options &o = host::options();
    o.pluginDir = program_dir();
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; i++) {
        if (std::strcmp(argv[i], "--host-version") == 0 && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%d.%d", &o.versionMajor, &o.versionMinor) < 1) return usage();
        } else if (std::strcmp(argv[i], "--plugins") == 0 && i + 1 < argc) {
            o.pluginDir = argv[++i];
        } else if (std::strcmp(argv[i], "--utf8") == 0 && i + 1 < argc) {
            o.utf8Mode = std::atoi(argv[++i]) ? 1 : 0;
        } else {
            return usage();
        }
    }
    if (i >= argc) return usage();
    host::configure_failures_from_env();

    lua_State *L = luaL_newstate();
    luaL_openlibs(L);
    host::register_host_commands(L);
    lua_createtable(L, argc - i, 1);
    for (int a = i; a < argc; a++) {
        lua_pushstring(L, argv[a]);
        lua_rawseti(L, -2, a - i);
    }
    lua_setglobal(L, "arg");

    int status = 0;
    lua_pushcfunction(L, traceback);
    if (luaL_loadfile(L, argv[i]) != LUA_OK) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        status = 1;
    } else {
        for (int a = i + 1; a < argc; a++) lua_pushstring(L, argv[a]);
        if (lua_pcall(L, argc - i - 1, 0, 1) != LUA_OK) {
            std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
            status = 1;
        }
    }
    lua_settop(L, 0);
    // Anims and vector brushes go back to their plugins before the libraries close.
    host::free_all_anims();
    host::free_all_brushes();
    host::free_plugin_libraries(L);
    lua_close(L);
    host::close_plugins();
    host::release_virtual_files();
    if (host::report_held_memory() > 0 && status == 0) status = 3;
    return status;
}
