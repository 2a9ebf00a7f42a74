// What later work builds answers clearly until then: the commands (after the
// require check, which every command but FreeImage makes), the event loop,
// the event converter, freeing the application, and the text formatting codes.
#include "../attributes/text_codes.h"
#include "commands.h"
#include "entries.h"
#include "plugin.h"

#define FL_PENDING(name)                                                                     \
    int fl_##name(ScriptState *)                                                             \
    {                                                                                        \
        if (int err = fl_check_required()) return err;                                       \
        return fl_error_with_string(FL_ERR_NOT_AVAILABLE, "tiko." #name " is not available yet"); \
    }

FL_PENDING(CreateApp)
FL_PENDING(FreeApp)
FL_PENDING(Set)
FL_PENDING(Get)
FL_PENDING(DoMethod)
FL_PENDING(Request)
FL_PENDING(Notify)
FL_PENDING(CreateObject)
FL_PENDING(FreeObject)
FL_PENDING(HaveObject)
FL_PENDING(CreateDialog)
FL_PENDING(FreeDialog)

// FreeImage makes no require check.
int fl_FreeImage(ScriptState *)
{
    return fl_error_with_string(FL_ERR_NOT_AVAILABLE, "tiko.FreeImage is not available yet");
}

// Without an application there is no input to handle and nothing to wait for.
int HandleEvents(ScriptState *) { return 0; }
int WaitEvents(ScriptState *, intptr_t, const KsTagItem *) { return 0; }
uint32_t fl_event_pump() { return 0xFFFFFFFFu; }

// Events of the class "Ferrolin" carry no fields yet.
int fl_event_converter(ScriptState *, KsEventType *, void *) { return 0; }

// There is no application yet to free.
void fl_free_everything() {}

// Texts pass through unchanged until the formatting codes are built.
int fl_unescape_markup_text(char **) { return 0; }

// No icon loader yet: an IconFile attribute carries no icon.
void *fl_load_icon(const char *) { return nullptr; }
