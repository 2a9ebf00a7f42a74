// Plugin files: finding the header, initialising the plugin, walking its
// libraries and publishing them to scripts, requiring, and tearing down.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <cstring>
#include <dlfcn.h>

namespace host {
namespace {

struct Library {
    std::string baseName;
    const CommandEntry *commands;
    const HelpString *help;
    const ConstantEntry *constants;
};

struct Plugin {
    std::string name; // module name as required by scripts, e.g. "sorvane"
    std::string path;
    void *handle = nullptr;
    const PluginHeader *header = nullptr;
    PluginInfo info{};
    std::vector<Library> libraries;
    bool libraryInitialised = false;
    AnimLoader anim{};
    bool loadsAnims = false;
};

std::vector<Plugin *> g_plugins;

std::string module_name(const char *name);

template <typename F> F entry(const Plugin &p, const char *name)
{
    return reinterpret_cast<F>(p.header->lookup(name));
}

std::string plugin_path(const char *name)
{
    std::string n = name;
    if (n.find('/') != std::string::npos) return n;
    if (n.size() < 4 || n.compare(n.size() - 4, 4, ".kpl") != 0) n += ".kpl";
    return options().pluginDir + "/" + n;
}

Plugin *find_plugin(const std::string &name)
{
    for (Plugin *p : g_plugins)
        if (p->name == name) return p;
    return nullptr;
}

void unload(Plugin *p)
{
    if (p->handle) dlclose(p->handle);
    delete p;
}

// Publishes one library: "name" becomes a global table of commands; "kind:"
// becomes the metatable "<file>.kind" of that handle kind, indexing itself.
void publish(lua_State *L, const Plugin &p, const Library &lib)
{
    std::string base = lib.baseName;
    bool methods = !base.empty() && base.back() == ':';
    if (methods) {
        std::string meta = p.name + ".kpl." + base.substr(0, base.size() - 1);
        luaL_newmetatable(L, meta.c_str());
        lua_pushvalue(L, -1);
        lua_setfield(L, -2, "__index");
    } else {
        lua_getglobal(L, base.c_str());
        if (!lua_istable(L, -1)) {
            lua_pop(L, 1);
            lua_newtable(L);
            lua_pushvalue(L, -1);
            lua_setglobal(L, base.c_str());
        }
    }
    for (const CommandEntry *c = lib.commands; c && c->name; c++) {
        push_command(L, c->function);
        lua_setfield(L, -2, c->name);
    }
    lua_pop(L, 1);
    for (const ConstantEntry *k = lib.constants; k && k->name; k++) {
        // Whole numbers reach scripts as integers, the rest as floats.
        if (k->string) lua_pushstring(L, k->string);
        else if (k->number > -9.2e18 && k->number < 9.2e18 && k->number == double(lua_Integer(k->number)))
            lua_pushinteger(L, lua_Integer(k->number));
        else lua_pushnumber(L, k->number);
        lua_setglobal(L, k->name);
    }
}

} // namespace

int load_plugin(lua_State *L, const char *name, std::string &error)
{
    if (find_plugin(module_name(name))) return 0;
    auto *p = new Plugin;
    p->name = module_name(name);
    p->path = plugin_path(name);

    p->handle = dlopen(p->path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!p->handle) {
        error = "Cannot load plugin \"" + p->path + "\": " + dlerror();
        unload(p);
        return -1;
    }
    p->header = static_cast<const PluginHeader *>(dlsym(p->handle, KS_HEADER_SYMBOL));
    if (!p->header || std::memcmp(p->header->magic, KS_HEADER_MAGIC, 8) != 0 ||
        p->header->version != KS_HEADER_VERSION || !p->header->lookup) {
        error = "\"" + p->path + "\" is not a Kestrune plugin";
        unload(p);
        return -1;
    }
    auto init = entry<KsInitPlugin>(*p, "InitPlugin");
    if (!init) {
        error = "Plugin \"" + p->name + "\" has no InitPlugin";
        unload(p);
        return -1;
    }
    p->info.hostVersion = options().versionMajor;
    p->info.hostRevision = options().versionMinor;
    if (!init(&p->info, host_api(), p->path.c_str())) {
        error = "Plugin \"" + p->name + "\" failed to initialise";
        unload(p);
        return -1;
    }
    int needMajor = p->info.hostVersion, needMinor = p->info.hostRevision;
    if (options().versionMajor < needMajor ||
        (options().versionMajor == needMajor && options().versionMinor < needMinor)) {
        error = "Plugin \"" + p->name + "\" needs host version " + std::to_string(needMajor) + "." +
                std::to_string(needMinor) + " or later (this is " + std::to_string(options().versionMajor) + "." +
                std::to_string(options().versionMinor) + ")";
        if (auto close = entry<KsClosePlugin>(*p, "ClosePlugin")) close();
        unload(p);
        return -1;
    }
    g_plugins.push_back(p);

    if (p->info.capabilities & KS_CAP_ANIM) {
        p->anim = {entry<KsOpenAnim>(*p, "OpenAnim"), entry<KsLoadFrame>(*p, "LoadFrame"),
                   entry<KsFreeFrame>(*p, "FreeFrame"), entry<KsCloseAnim>(*p, "CloseAnim"),
                   entry<KsPixelCallback>(*p, "GetFrame"), entry<KsTransformCallback>(*p, "TransformFrame"),
                   entry<KsFreeCallback>(*p, "FreeVectorFrame")};
        p->loadsAnims = p->anim.openAnim && p->anim.loadFrame && p->anim.freeFrame && p->anim.closeAnim &&
                        p->anim.getFrame && p->anim.transformFrame && p->anim.freeVectorFrame;
    }

    if (p->info.capabilities & KS_CAP_LIBRARY) {
        auto count = entry<KsGetLibraryCount>(*p, "GetLibraryCount");
        auto setCurrent = entry<KsSetCurrentLibrary>(*p, "SetCurrentLibrary");
        auto base = entry<KsGetBaseTable>(*p, "GetBaseTable");
        auto commands = entry<KsGetCommands>(*p, "GetCommands");
        auto help = entry<KsGetHelpStrings>(*p, "GetHelpStrings");
        auto constants = entry<KsGetConstants>(*p, "GetConstants");
        int n = count ? count() : 1;
        for (int i = 0; i < n && base && commands; i++) {
            if (setCurrent) setCurrent(i);
            const char *b = base();
            if (!b) continue;
            p->libraries.push_back({b, commands(), help ? help() : nullptr, constants ? constants() : nullptr});
        }
        if (auto initLibrary = entry<KsInitLibrary>(*p, "InitLibrary")) {
            int err = initLibrary(S_of(L));
            p->libraryInitialised = true; // FreeLibrary runs even after a failed start, to release what was made
            if (err) {
                error = "Plugin \"" + p->name + "\": " + error_message(err);
                return -1;
            }
        }
        p->libraryInitialised = true;
        for (const Library &lib : p->libraries) publish(L, *p, lib);
    }
    return 0;
}

namespace {

// Hands the script's option table to the plugin as a list of option nodes under tag 2.
int call_require(lua_State *L, Plugin *p, KsRequirePlugin require, int optionsIndex)
{
    std::vector<KsOptionNode> nodes;
    std::vector<std::string> names, strings;
    if (optionsIndex && lua_istable(L, optionsIndex)) {
        lua_pushnil(L);
        while (lua_next(L, optionsIndex)) {
            if (lua_type(L, -2) == LUA_TSTRING) {
                bool isString = lua_type(L, -1) == LUA_TSTRING;
                names.emplace_back(lua_tostring(L, -2));
                strings.emplace_back(isString ? lua_tostring(L, -1) : "");
                nodes.push_back({nullptr, nullptr, isString ? "" : nullptr, lua_tonumber(L, -1)});
            }
            lua_pop(L, 1);
        }
        for (size_t i = 0; i < nodes.size(); i++) {
            nodes[i].name = names[i].c_str();
            if (nodes[i].string) nodes[i].string = strings[i].c_str();
            nodes[i].next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
        }
    }
    int32_t answer = 0;
    KsTagItem tags[3] = {{KS_OPTION_TAG_ANSWER, reinterpret_cast<uintptr_t>(&answer)},
                         {KS_OPTION_TAG_END, 0},
                         {KS_OPTION_TAG_END, 0}};
    if (!nodes.empty()) tags[1] = {KS_OPTION_TAG_LIST, reinterpret_cast<uintptr_t>(nodes.data())};
    return require(S_of(L), options().versionMajor, options().versionMinor, 0, tags);
}

std::string module_name(const char *name)
{
    std::string n = name;
    size_t slash = n.rfind('/');
    if (slash != std::string::npos) n = n.substr(slash + 1);
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".kpl") == 0) n.resize(n.size() - 4);
    return n;
}

} // namespace

int require_plugin(lua_State *L, const char *name, int optionsIndex)
{
    int err = 0;
    {
        std::string error;
        if (load_plugin(L, name, error) != 0) {
            lua_pushstring(L, error.c_str());
            err = -1;
        } else if (Plugin *p = find_plugin(module_name(name))) {
            if (auto require = entry<KsRequirePlugin>(*p, "RequirePlugin")) err = call_require(L, p, require, optionsIndex);
        }
    }
    // Raise only once every local above is gone: raising does not return.
    if (err == -1) lua_error(L);
    if (err) raise_error(L, err);
    return 0;
}

const char *help_string(const char *library, const char *command)
{
    for (Plugin *p : g_plugins)
        for (const Library &lib : p->libraries) {
            // "__gc" rows may have no help row.
            if (lib.baseName != library || std::strcmp(command, "__gc") == 0) continue;
            int i = 0;
            for (const CommandEntry *c = lib.commands; c && c->name; c++, i++)
                if (std::strcmp(c->name, command) == 0) return lib.help ? lib.help[i].text : nullptr;
        }
    return nullptr;
}

const AnimLoader *first_anim_loader() { return next_anim_loader(nullptr); }

// Anim loaders in the order their plugins were loaded.
const AnimLoader *next_anim_loader(const AnimLoader *loader)
{
    bool passed = loader == nullptr;
    for (Plugin *p : g_plugins) {
        if (!p->loadsAnims) continue;
        if (passed) return &p->anim;
        if (&p->anim == loader) passed = true;
    }
    return nullptr;
}

void free_plugin_libraries(lua_State *L)
{
    for (auto it = g_plugins.rbegin(); it != g_plugins.rend(); ++it) {
        Plugin *p = *it;
        if (!p->libraryInitialised) continue;
        if (auto freeLibrary = entry<KsFreeLibrary>(*p, "FreeLibrary")) freeLibrary(S_of(L));
        p->libraryInitialised = false;
    }
}

std::vector<LoadedPlugin> loaded_plugins()
{
    std::vector<LoadedPlugin> list;
    for (const Plugin *p : g_plugins) list.push_back({p->name.c_str(), &p->info});
    return list;
}

void close_plugins()
{
    while (!g_plugins.empty()) {
        Plugin *p = g_plugins.back();
        g_plugins.pop_back();
        if (auto close = entry<KsClosePlugin>(*p, "ClosePlugin")) close();
        unload(p);
    }
}

} // namespace host
