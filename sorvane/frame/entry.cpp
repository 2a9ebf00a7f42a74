// The plugin file's header and its export table: the only symbol the file
// exports is the header; every entry point is found by name through it.
#include "../reading/anim.h"
#include "plugin.h"

int InitPlugin(PluginInfo *info, const HostApi *api, const char *path);
void ClosePlugin();
int RequirePlugin(ScriptState *state, int version, int revision, uint32_t flags, const KsTagItem *tags);
const char *GetBaseTable();
const CommandEntry *GetCommands();
const ConstantEntry *GetConstants();
const HelpString *GetHelpStrings();
int InitLibrary(ScriptState *state);
void FreeLibrary(ScriptState *state);
int GetLibraryCount();
void SetCurrentLibrary(int index);
uint32_t GetExtensions(uint32_t capability);

namespace {

#define SV_ENTRY(name) {#name, reinterpret_cast<KsEntry>(name)}

const KsEntryRow kExports[] = {
    SV_ENTRY(InitPlugin),
    SV_ENTRY(ClosePlugin),
    SV_ENTRY(OpenAnim),
    SV_ENTRY(LoadFrame),
    SV_ENTRY(FreeFrame),
    SV_ENTRY(GetFrameDelay),
    SV_ENTRY(CloseAnim),
    SV_ENTRY(GetBaseTable),
    SV_ENTRY(GetCommands),
    SV_ENTRY(GetConstants),
    SV_ENTRY(InitLibrary),
    SV_ENTRY(FreeLibrary),
    SV_ENTRY(GetLibraryCount),
    SV_ENTRY(SetCurrentLibrary),
    SV_ENTRY(GetExtensions),
    SV_ENTRY(GetHelpStrings),
    SV_ENTRY(RequirePlugin),
    SV_ENTRY(GetFrame),
    SV_ENTRY(TransformFrame),
    SV_ENTRY(FreeVectorFrame),
    {nullptr, nullptr},
};

KsEntry lookup(const char *name) { return ks_find_entry(kExports, name); }

} // namespace

extern "C" __attribute__((visibility("default"))) const PluginHeader KestrunePluginHeader = {
    {'K', 'E', 'S', 'T', 'R', 'U', 'N', 'E'}, KS_HEADER_VERSION, lookup};
