// RequirePlugin: prepares for a script that requires the plugin, adapting to
// a palette screen when the active screen has 8 or fewer bit planes.
#include "entries.h"
#include "plugin.h"
#include "toolkit_link.h"

#include <cstring>

uint32_t fl_event_pump();

namespace {

// The plugin that takes over palette-screen output when it is loaded.
constexpr const char *kPalettePlugin = "quelvorisca";

// Finds the palette plugin among the loaded ones and activates it.
bool activate_palette_plugin()
{
    const KsSystemServices &sys = fl_system();
    if (!sys.obtainPluginList) return false;
    KsPluginNode *list = sys.obtainPluginList();
    bool activated = false;
    for (KsPluginNode *node = list; node; node = node->next) {
        if (node->moduleName && std::strcmp(node->moduleName, kPalettePlugin) == 0) {
            activated = sys.activatePlugin(node) == 0;
            break;
        }
    }
    sys.releasePluginList(list);
    return activated;
}

int adapt_to_palette_screen()
{
    // The palette-screen graphics library is part of this build: opening it cannot fail here.
    fl.paletteLibraryOpen = 1;

    if (activate_palette_plugin()) {
        static const KsPumpRecord record = {1, 2, fl_event_pump};
        int err = fl_system().handToPlugin(kPalettePlugin, fl.info, &record);
        if (err) return err;
    } else {
        const KsTagItem options[] = {{1, 10}, {0, 0}};
        if (!fl.api->display || !fl.api->display->adaptToPaletteScreen) return KS_ERR_USAGE;
        int err = fl.api->display->adaptToPaletteScreen(fl.info, 1, options);
        if (err) return err;
    }
    fl.paletteScreen = 1;
    return 0;
}

} // namespace

int RequirePlugin(ScriptState *, int, int, uint32_t, const KsTagItem *options)
{
    if (!fl.api) return KS_ERR_USAGE;
    if (fl_screen_depth() <= 8) {
        int err = adapt_to_palette_screen();
        if (err) return err;
    }
    for (const KsTagItem *t = options; t && t->tag != KS_OPTION_TAG_END; t++)
        if (t->tag == KS_OPTION_TAG_ANSWER && t->data) *reinterpret_cast<int32_t *>(t->data) = 1;
    fl.required = 1;
    return 0;
}
