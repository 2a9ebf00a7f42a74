// Start-up, requiring, library set-up and tear-down of the plugin.
#include "../reading/document.h"
#include "engine.h"
#include "plugin.h"

#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

// The version string, kept in the file's read-only data.
extern "C" __attribute__((used, visibility("hidden"))) const char sv_version_string[] =
    "$VER: sorvane.kpl 1.3 (05.12.20) [MorphOS]";

SvPlugin sv = {
    nullptr, nullptr, {0}, 0, 0, 0,
    1,       // UTF-8 mode until the host says otherwise
    -1,      // no object type yet
    nullptr, 0, {0}, 0,
};

void sv_register_errors();
void sv_create_method_metatables(ScriptState *state);

namespace {

// The compression and image libraries must be present and answer; this is
// what opening them amounts to here.
bool libraries_usable()
{
    if (!zlibVersion() || zlibVersion()[0] != ZLIB_VERSION[0]) return false;
    if (png_access_version_number() == 0) return false;
    jpeg_compress_struct probe;
    jpeg_error_mgr errors;
    probe.err = jpeg_std_error(&errors);
    jpeg_create_compress(&probe);
    jpeg_destroy_compress(&probe);
    return true;
}

void utf8_hook(int, intptr_t value, void *) { sv.utf8 = value ? 1 : 0; }

} // namespace

int InitPlugin(PluginInfo *info, const HostApi *api, const char *path)
{
    if (!libraries_usable()) return 0;
    sv.librariesOpen = 1;
    std::snprintf(sv.path, sizeof sv.path, "%s", path ? path : "");
    engine::Configure(sv.path);

    sv.hostVersion = info->hostVersion;
    sv.hostNew = info->hostVersion > 7 || (info->hostVersion == 7 && info->hostRevision >= 1);

    info->capabilities = KS_CAP_LIBRARY | KS_CAP_ANIM | KS_CAP_EXTRA_400 | KS_CAP_EXTRA_20000; // 0x0002040A
    info->version = 1;
    info->revision = 3;
    info->hostVersion = 7;
    info->hostRevision = 1;
    info->name = "Sorvane";
    info->moduleName = "sorvane";
    info->author = "The Sorvane developers";
    info->description = "Open, render and create PDF files with Kestrune";
    info->legal = "Free to use and to pass on";
    info->url = "";
    info->date = "05.12.20";
    info->reserved = 0;
    info->guide = "Sorvane:Docs/Sorvane.guide";

    if (!api || !sv.hostNew) return 1;

    sv.info = info;
    sv.api = api;
    sv_register_errors();
    sv_system().configureCapability(info, KS_CAP_ANIM, 1, nullptr);
    sv_system().registerHook(KS_HOOK_UTF8_MODE, utf8_hook, nullptr);
    return 1;
}

void ClosePlugin()
{
    // The connection to the engine goes; the engine server keeps running for other clients.
    engine::Close();
    sv.librariesOpen = 0;
}

int RequirePlugin(ScriptState *, int, int, uint32_t, const KsTagItem *tags)
{
    for (const KsTagItem *t = tags; t && t->tag != KS_OPTION_TAG_END; t++) {
        if (t->tag != KS_OPTION_TAG_LIST) continue;
        for (auto *node = reinterpret_cast<const KsOptionNode *>(t->data); node; node = node->next) {
            if (std::strcmp(node->name, "novectoranim") == 0) {
                sv.noVectorAnim = int(node->number);
            } else {
                sv_system().setErrorString(node->name);
                return KS_ERR_UNKNOWN_OPTION;
            }
        }
    }
    return sv_system().enableCapability(sv.info, KS_CAP_ANIM);
}

int InitLibrary(ScriptState *state)
{
    // Without the host's services (a host too old to keep them) there is nothing to set up with.
    if (!sv.api) return KS_ERR_USAGE;
    if (!sv.hostNew) sv_create_method_metatables(state);
    sv.documentType = sv_system().registerObjectType(state, "PDF document", &sv.documents, sv_document_query);
    return 0;
}

void FreeLibrary(ScriptState *)
{
    while (sv.documents) sv_release_document(sv.documents);
}

uint32_t GetExtensions(uint32_t capability)
{
    switch (capability) {
    case KS_CAP_LIBRARY: return 7;
    case KS_CAP_ANIM: return 3;
    case KS_CAP_EXTRA_400: return 1;
    default: return 0;
    }
}
