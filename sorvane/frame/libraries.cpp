// The plugin's script libraries: "pdf" and the nine method libraries of the
// handle kinds. A host before 7.1 sees only the first.
#include "../creation/constants.h"
#include "../creation/methods.h"
#include "commands.h"
#include "plugin.h"

namespace {

struct LibraryRow {
    const char *baseName;
    const CommandEntry *commands;
    const HelpString *help;
};

const LibraryRow kLibraries[] = {
    {"pdf", sv_pdf_commands, sv_pdf_help},
    {"doc:", sv_doc_methods, sv_doc_help},
    {"page:", sv_page_methods, sv_page_help},
    {"image:", sv_image_methods, sv_image_help},
    {"font:", sv_font_methods, sv_font_help},
    {"outline:", sv_outline_methods, sv_outline_help},
    {"encoder:", sv_encoder_methods, sv_encoder_help},
    {"extgs:", sv_extgs_methods, sv_extgs_help},
    {"annot:", sv_annot_methods, sv_annot_help},
    {"dest:", sv_dest_methods, sv_dest_help},
};
constexpr int kLibraryCount = int(sizeof kLibraries / sizeof kLibraries[0]);

const LibraryRow *current()
{
    return sv.currentLibrary >= 0 && sv.currentLibrary < kLibraryCount ? &kLibraries[sv.currentLibrary] : nullptr;
}

} // namespace

int GetLibraryCount() { return sv.hostNew ? kLibraryCount : 1; }
void SetCurrentLibrary(int index) { sv.currentLibrary = index; }

const char *GetBaseTable()
{
    const LibraryRow *lib = current();
    return lib ? lib->baseName : nullptr;
}

const CommandEntry *GetCommands()
{
    const LibraryRow *lib = current();
    return lib ? lib->commands : nullptr;
}

const HelpString *GetHelpStrings()
{
    const LibraryRow *lib = current();
    return lib ? lib->help : nullptr;
}

const ConstantEntry *GetConstants() { return sv.currentLibrary == 0 ? sv_constants : nullptr; }

// On a host before 7.1 the method libraries become named metatables
// "sorvane.kpl.<kind>" whose fields are the lower-cased method names.
void sv_create_method_metatables(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    for (int i = 1; i < kLibraryCount; i++) {
        char name[64];
        const char *base = kLibraries[i].baseName;
        sv_runtime().format(name, sizeof name, "sorvane.kpl.%.*s", int(__builtin_strlen(base) - 1), base);
        s.newMetatable(state, name);
        s.pushValue(state, -1);
        s.setField(state, -2, "__index");
        for (const CommandEntry *m = kLibraries[i].commands; m->name; m++) {
            char method[64];
            sv_runtime().format(method, sizeof method, "%s", m->name);
            sv_runtime().lowerCase(method);
            s.pushCommand(state, m->function);
            s.setField(state, -2, method);
        }
        s.pop(state, 1);
    }
}
