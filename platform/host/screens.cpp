// Display services: the palette-screen request, logged for scripts, with an
// answer a script can set.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

namespace host {
namespace {

struct PaletteRequest {
    std::string plugin;
    int mode;
    std::vector<KsTagItem> options;
};

std::vector<PaletteRequest> g_requests;
int g_answer = 0;

int adaptToPaletteScreen(PluginInfo *info, int mode, const KsTagItem *options)
{
    PaletteRequest r{info && info->moduleName ? info->moduleName : "", mode, {}};
    for (const KsTagItem *t = options; t && t->tag; t++) r.options.push_back(*t);
    g_requests.push_back(r);
    return g_answer;
}

// SetPaletteScreenResult(code): what palette-screen requests answer from now (0: success).
int cmd_SetPaletteScreenResult(lua_State *L)
{
    g_answer = int(luaL_checkinteger(L, 1));
    return 0;
}

// PaletteScreenRequests() -> {{plugin=, mode=, options={[tag]=data, ...}}, ...}
int cmd_PaletteScreenRequests(lua_State *L)
{
    lua_createtable(L, int(g_requests.size()), 0);
    for (size_t i = 0; i < g_requests.size(); i++) {
        const PaletteRequest &r = g_requests[i];
        lua_createtable(L, 0, 3);
        lua_pushstring(L, r.plugin.c_str());
        lua_setfield(L, -2, "plugin");
        lua_pushinteger(L, r.mode);
        lua_setfield(L, -2, "mode");
        lua_newtable(L);
        for (const KsTagItem &t : r.options) {
            lua_pushinteger(L, lua_Integer(t.data));
            lua_rawseti(L, -2, lua_Integer(t.tag));
        }
        lua_setfield(L, -2, "options");
        lua_rawseti(L, -2, lua_Integer(i + 1));
    }
    return 1;
}

const HostCommandRow kCommands[] = {
    {"SetPaletteScreenResult", cmd_SetPaletteScreenResult},
    {"PaletteScreenRequests", cmd_PaletteScreenRequests},
    {nullptr, nullptr},
};

} // namespace

const KsDisplayServices display_services = {nullptr, adaptToPaletteScreen};

void register_screen_commands(lua_State *L)
{
    for (const HostCommandRow *c = kCommands; c->name; c++) lua_register(L, c->name, c->function);
}

} // namespace host
