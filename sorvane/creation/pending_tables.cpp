// Method tables still to be built: empty until their kind's methods exist.
// Each kind moves to a file of its own when it is built.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "methods.h"

#define SV_PENDING_TABLE(kind)                                       \
    const CommandEntry sv_##kind##_methods[] = {{nullptr, nullptr}}; \
    const HelpString sv_##kind##_help[] = {{nullptr, 0}};

SV_PENDING_TABLE(doc)
SV_PENDING_TABLE(page)
SV_PENDING_TABLE(image)
SV_PENDING_TABLE(font)
SV_PENDING_TABLE(outline)
SV_PENDING_TABLE(encoder)
SV_PENDING_TABLE(extgs)
SV_PENDING_TABLE(annot)
SV_PENDING_TABLE(dest)

int sv_CreateDocument(ScriptState *)
{
    return sv_error_with_string(SV_ERR_LIBRARY_TEXT, "pdf.CreateDocument is not available yet");
}
