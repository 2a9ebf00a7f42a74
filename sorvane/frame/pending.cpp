// Commands whose code is still to come answer with a clear error. Each line
// goes away when the command is built.
#include "commands.h"
#include "plugin.h"

#define SV_PENDING(name) \
    int sv_##name(ScriptState *) { return sv_error_with_string(SV_ERR_LIBRARY_TEXT, "pdf." #name " is not available yet"); }
