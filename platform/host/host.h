// The stand-in Kestrune host: shared state and the service families.
// Each service family lives in its own file; this header ties them together.
#pragma once

#include "kestrune.h"

extern "C" {
#include <lua.h>
}

#include <string>
#include <vector>

namespace host {

inline lua_State *L_of(ScriptState *s) { return reinterpret_cast<lua_State *>(s); }
inline ScriptState *S_of(lua_State *L) { return reinterpret_cast<ScriptState *>(L); }

// ---- options and identity
struct Options {
    int versionMajor = 10;
    int versionMinor = 0;
    int utf8Mode = 1;
    std::string pluginDir;
};
Options &options();

// ---- memory.cpp: tagged blocks, report at exit, injected failures
void *alloc_mem(size_t size, int clear, const char *tag);
void free_mem(void *block);
size_t held_blocks(const char *tag); // tag null: all
int report_held_memory();            // prints the report; returns the number of blocks still held
void fail_allocation(long nth, const char *tag); // nth 0 switches injection off
void configure_failures_from_env();

// ---- errors.cpp: custom messages, arguments, host codes, raising
int register_error(const char *text);
void set_error_string(const char *text);
void set_error_number(int number);
// Formats the message for an error code (custom id or host code) with the pending arguments.
std::string error_message(int code);
int last_error_code();
[[noreturn]] void raise_error(lua_State *L, int code);
// Turns a command's return value into its result count, raising the error it names.
int finish_command(lua_State *L, int result);

// ---- system.cpp: information, hooks, object types, text conversion, capabilities
void set_app_info(const char *key, const char *value);
bool is_app_info_key(const char *key);
void set_info_word(int key, uintptr_t value);
int latin1_lower(int c);
int latin1_upper(int c);
void set_utf8_mode(int mode);
int query_object_type(lua_State *L, int type, const ScriptId &id, int attribute);
size_t object_freed_count();
char *convert_text(const char *text, int from, int to);
void free_text(char *text);
int run_hooks(int kind, intptr_t value); // calls every hook of that kind; returns how many

// ---- events.cpp, plugin_list.cpp, screens.cpp: event classes, the plugin list, palette screens
KsEventType *register_event_type(const char *name, KsEventConverter converter);
void register_event_commands(lua_State *L);
KsPluginNode *obtain_plugin_list();
int activate_plugin(KsPluginNode *plugin);
void release_plugin_list(KsPluginNode *list);
int hand_to_plugin(const char *moduleName, PluginInfo *from, const void *record);
void register_plugin_list_commands(lua_State *L);
extern const KsDisplayServices display_services;
void register_screen_commands(lua_State *L);

// ---- files.cpp
void define_virtual_file(const std::string &name, const std::string &data);
void release_virtual_files();

// ---- brushes.cpp, anims.cpp
struct HostCommandRow {
    const char *name;
    lua_CFunction function;
};
void register_brush_commands(lua_State *L);
void free_all_brushes(); // vector brushes go back to their plugins
void register_anim_commands(lua_State *L);
void register_font_commands(lua_State *L);   // fonts.cpp
void register_memory_commands(lua_State *L); // script_memory.cpp

// The entry points of a plugin that loads anims.
struct AnimLoader {
    KsOpenAnim openAnim;
    KsLoadFrame loadFrame;
    KsFreeFrame freeFrame;
    KsCloseAnim closeAnim;
    KsPixelCallback getFrame;
    KsTransformCallback transformFrame;
    KsFreeCallback freeVectorFrame;
};
const AnimLoader *first_anim_loader();
const AnimLoader *next_anim_loader(const AnimLoader *loader);
void free_all_anims();

// ---- the service tables handed to plugins
extern const KsRuntimeServices runtime_services;
extern const KsSystemServices system_services;
extern const KsFileServices file_services;
extern const KsScriptServices script_services;
extern const KsGraphicsServices graphics_services;
extern const KsFontServices font_services;
const HostApi *host_api();

// ---- script_stack.cpp helpers the host's own commands use too
int read_id(lua_State *L, int pos, ScriptId *id);
void push_command(lua_State *L, KsCommand command);

// ---- plugins.cpp: plugin files and their libraries
int load_plugin(lua_State *L, const char *name, std::string &error);  // 0 or -1 with error set
int require_plugin(lua_State *L, const char *name, int optionsIndex); // raises on failure
const char *help_string(const char *library, const char *command);
void free_plugin_libraries(lua_State *L);
void close_plugins();
struct LoadedPlugin {
    const char *name; // module name as required by scripts
    const PluginInfo *info;
};
std::vector<LoadedPlugin> loaded_plugins(); // in load order

// ---- commands.cpp: the host's own script commands
void register_host_commands(lua_State *L);

} // namespace host
