// System services: information queries, hooks, object types, capabilities and
// text conversion between UTF-8 and the system character set (ISO-8859-1).
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>

namespace host {
namespace {

struct Hook {
    int kind;
    KsHook function;
    void *userData;
};

struct ObjectType {
    std::string name;
    void *listHead;
    KsObjectQuery query;
};

std::map<int, std::string> g_appInfo;    // string keys 0x1A..0x1E
std::map<int, uintptr_t> g_infoWords = {{KS_INFO_RAISE_LIBRARY_ERRORS, 1}};
std::vector<Hook> g_hooks;
std::vector<ObjectType> g_types; // type id = index
size_t g_objectsFreed = 0;

struct AppInfoKey {
    const char *name;
    int key;
};
const AppInfoKey kAppInfoKeys[] = {
    {"title", KS_INFO_APP_TITLE},
    {"version", KS_INFO_APP_VERSION},
    {"copyright", KS_INFO_APP_COPYRIGHT},
    {"author", KS_INFO_APP_AUTHOR},
    {"description", KS_INFO_APP_DESCRIPTION},
    {nullptr, 0},
};

int queryInfo(const KsTagItem *list)
{
    int answered = 0;
    for (const KsTagItem *t = list; t && t->tag; t++) {
        int key = int(t->tag);
        if (key >= KS_INFO_APP_TITLE && key <= KS_INFO_APP_DESCRIPTION) {
            auto it = g_appInfo.find(key);
            *reinterpret_cast<const char **>(t->data) = it == g_appInfo.end() ? "" : it->second.c_str();
            answered++;
        } else if (auto it = g_infoWords.find(key); it != g_infoWords.end()) {
            *reinterpret_cast<uint32_t *>(t->data) = uint32_t(it->second);
            answered++;
        }
    }
    return answered;
}

int registerHook(int kind, KsHook function, void *userData)
{
    if (!function) return KS_ERR_USAGE;
    g_hooks.push_back({kind, function, userData});
    // A new hook learns the current state at once.
    if (kind == KS_HOOK_UTF8_MODE) function(kind, options().utf8Mode, userData);
    return 0;
}

int registerObjectType(ScriptState *, const char *name, void *listHead, KsObjectQuery query)
{
    if (!name || !query) return -1;
    g_types.push_back({name, listHead, query});
    return int(g_types.size()) - 1;
}

void objectFreed(int, const ScriptId *) { g_objectsFreed++; }

int configureCapability(PluginInfo *, uint32_t, intptr_t, const KsTagItem *) { return 0; }
int enableCapability(PluginInfo *, uint32_t) { return 0; }

// ---- runtime services: what the C library offers, plus tagged memory
int format(char *buffer, size_t size, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int n = std::vsnprintf(buffer, size, fmt, ap);
    va_end(ap);
    return n;
}
int compare(const char *a, const char *b) { return std::strcmp(a, b); }
int compareNoCase(const char *a, const char *b)
{
    for (;; a++, b++) {
        int ca = latin1_lower(static_cast<unsigned char>(*a)), cb = latin1_lower(static_cast<unsigned char>(*b));
        if (ca != cb || !ca) return ca - cb;
    }
}
void lowerCase(char *buffer)
{
    for (; buffer && *buffer; buffer++) *buffer = char(latin1_lower(static_cast<unsigned char>(*buffer)));
}
int toUpper(int c) { return latin1_upper(c); }
int toLower(int c) { return latin1_lower(c); }
void *runtimeAlloc(size_t size) { return alloc_mem(size, 0, "runtime"); }

} // namespace

// Case mapping of the system character set (ISO-8859-1): ASCII letters and
// the Latin-1 letters 0xC0..0xDE / 0xE0..0xFE, except the multiplication and
// division signs.
int latin1_lower(int c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}
int latin1_upper(int c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    return c;
}

void set_app_info(const char *key, const char *value)
{
    for (const AppInfoKey *k = kAppInfoKeys; k->name; k++)
        if (std::strcmp(k->name, key) == 0) g_appInfo[k->key] = value;
}

bool is_app_info_key(const char *key)
{
    for (const AppInfoKey *k = kAppInfoKeys; k->name; k++)
        if (std::strcmp(k->name, key) == 0) return true;
    return false;
}

void set_info_word(int key, uintptr_t value) { g_infoWords[key] = value; }

void set_utf8_mode(int mode)
{
    options().utf8Mode = mode ? 1 : 0;
    for (const Hook &h : g_hooks)
        if (h.kind == KS_HOOK_UTF8_MODE) h.function(h.kind, options().utf8Mode, h.userData);
}

int run_hooks(int kind, intptr_t value)
{
    int called = 0;
    for (const Hook &h : g_hooks)
        if (h.kind == kind) h.function(h.kind, value, h.userData), called++;
    return called;
}

int query_object_type(lua_State *L, int type, const ScriptId &id, int attribute)
{
    if (type < 0 || size_t(type) >= g_types.size()) luaL_error(L, "Unknown object type %d", type);
    return finish_command(L, g_types[type].query(S_of(L), attribute, &id));
}

size_t object_freed_count() { return g_objectsFreed; }

char *convert_text(const char *text, int from, int to)
{
    if (!text) return nullptr;
    std::string out;
    const auto *p = reinterpret_cast<const unsigned char *>(text);
    if (from == to) {
        out = text;
    } else if (from == KS_ENCODING_UTF8 && to == KS_ENCODING_SYSTEM) {
        while (*p) {
            if (*p < 0x80) {
                out += char(*p++);
            } else if ((p[0] & 0xE0) == 0xC0 && (p[1] & 0xC0) == 0x80) {
                unsigned c = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
                if (c < 0x80 || c > 0xFF) return nullptr; // overlong, or not representable
                out += char(c);
                p += 2;
            } else {
                return nullptr; // invalid UTF-8 or a character beyond ISO-8859-1
            }
        }
    } else if (from == KS_ENCODING_SYSTEM && to == KS_ENCODING_UTF8) {
        for (; *p; p++) {
            if (*p < 0x80) {
                out += char(*p);
            } else {
                out += char(0xC0 | (*p >> 6));
                out += char(0x80 | (*p & 0x3F));
            }
        }
    } else {
        return nullptr;
    }
    char *copy = static_cast<char *>(alloc_mem(out.size() + 1, 0, "convtext"));
    if (copy) std::memcpy(copy, out.c_str(), out.size() + 1);
    return copy;
}

void free_text(char *text) { free_mem(text); }

const KsRuntimeServices runtime_services = {
    format, compare, compareNoCase, lowerCase, toUpper, toLower, runtimeAlloc, free_mem,
};

const KsSystemServices system_services = {
    queryInfo, register_error, set_error_string, set_error_number, alloc_mem, free_mem, registerHook,
    registerObjectType, objectFreed, convert_text, free_text, configureCapability, enableCapability,
    register_event_type, obtain_plugin_list, activate_plugin, release_plugin_list, hand_to_plugin,
};

const HostApi *host_api()
{
    static HostApi api;
    api.version = uintptr_t(options().versionMajor);
    api.runtime = &runtime_services;
    api.system = &system_services;
    api.files = &file_services;
    api.graphics = &graphics_services;
    api.fonts = &font_services;
    api.script = &script_services;
    api.display = &display_services;
    return &api;
}

} // namespace host
