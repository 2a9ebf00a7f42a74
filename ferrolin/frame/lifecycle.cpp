// Start-up and tear-down of the plugin and of its script library, and the
// display adapter entries the plugin answers without a display of its own.
#include "../attributes/vocabulary.h"
#include "../description/class_registry.h"
#include "../description/levels.h"
#include "entries.h"
#include "plugin.h"
#include "toolkit_link.h"

#include <expat.h>

// The version string, kept in the file's read-only data.
extern "C" __attribute__((used, visibility("hidden"))) const char fl_version_string[] =
    "$VER: ferrolin.kpl 1.2 (22.09.17) [MorphOS]";

FlPlugin fl;

void fl_register_errors();
int fl_event_converter(ScriptState *state, KsEventType *type, void *record);
void fl_free_everything();

namespace {

// The libraries the plugin works with must answer: the widget layer and expat.
bool libraries_usable()
{
    int version = 0, revision = 0;
    fl_toolkit_version(&version, &revision);
    return version > 0 && XML_ExpatVersion() != nullptr;
}

void utf8_hook(int, intptr_t value, void *) { fl.utf8 = value ? 1 : 0; }

} // namespace

int InitPlugin(PluginInfo *info, const HostApi *api, const char *)
{
    if (!info) return 0;
    int hostVersion = info->hostVersion, hostRevision = info->hostRevision;
    if (hostVersion < 5 || (hostVersion == 5 && hostRevision < 2)) return 0;

    if (!libraries_usable()) return 0;
    fl.librariesOpen = 1;

    info->capabilities = KS_CAP_LIBRARY | KS_CAP_EXTRA_400 | KS_CAP_DISPLAY | KS_CAP_EXTRA_20000; // 0x20C02
    info->version = 1;
    info->revision = 2;
    info->hostVersion = 6;
    info->hostRevision = 1;
    info->name = "Ferrolin";
    info->moduleName = "ferrolin";
    info->author = "The Ferrolin developers";
    info->description = "The Cross-Platform GUI Toolkit for Kestrune";
    info->legal = "Free to use and to pass on";
    info->url = "";
    info->date = "22.09.17";
    info->reserved = 0;
    info->guide = "Ferrolin:Docs/Ferrolin.guide";
    fl.info = info;
    fl.utf8 = hostVersion > 6;

    fl.api = api;
    if (!api) return 1;

    int version = 0, revision = 0;
    fl_toolkit_version(&version, &revision);
    fl.version4 = version > 20 || (version == 20 && revision > 5500);

    fl_register_errors();

    fl.eventType = fl_system().registerEventType ? fl_system().registerEventType("Ferrolin", fl_event_converter)
                                                 : nullptr;
    if (!fl.eventType) return 0;

    if (api->version > 6) fl_system().registerHook(KS_HOOK_UTF8_MODE, utf8_hook, nullptr);

    if (fl.version4) fl_use_version4_pageview_tags();

    fl_link_class_tables();
    fl_levels[0].typeBit = FL_KIND_ROOT;
    return 1;
}

void ClosePlugin()
{
    fl.librariesOpen = 0;
    fl.paletteLibraryOpen = 0;
}

int InitLibrary(ScriptState *)
{
    if (!fl.api) return KS_ERR_USAGE; // the host kept no services: there is nothing to build with
    if (!fl_create_private_classes()) return fl_error(FL_ERR_CUSTOM_CLASS);
    fl.classesExist = 1;
    return 0;
}

void FreeLibrary(ScriptState *)
{
    fl_free_everything();
    if (fl.classesExist) fl_delete_private_classes();
    fl.classesExist = 0;
}

uint32_t GetExtensions(uint32_t capability) { return capability == KS_CAP_LIBRARY ? 4 : 0; }

void ForceEventLoopIteration() {}

void DetermineBorderSizes(int32_t *left, int32_t *right, int32_t *top, int32_t *bottom)
{
    if (left) *left = 0;
    if (right) *right = 0;
    if (top) *top = 0;
    if (bottom) *bottom = 0;
}

void *OpenDisplay() { return nullptr; }
void *CreatePointer() { return nullptr; }
