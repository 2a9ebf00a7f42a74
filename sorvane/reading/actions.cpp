// Action fields of links and bookmarks.
#include "actions.h"

#include "../frame/plugin.h"

#include <cstring>

namespace {

void set_page_target(ScriptState *state, const SvDocument *doc, engine::Handle dest)
{
    sv_script().pushInteger(state, int64_t(engine::FPDFDest_GetPageIndex(doc->document, dest)) + 1);
    sv_script().setField(state, -2, "target");
}

// A path or URI the engine answers as a NUL-terminated byte string; the length
// query comes first. Failures leave the empty string.
template <typename Fetch> void set_text_target(ScriptState *state, const char *tag, Fetch fetch)
{
    const KsScriptServices &s = sv_script();
    unsigned long length = fetch(nullptr, 0);
    char *text = length ? static_cast<char *>(sv_system().allocMem(length + 1, 1, tag)) : nullptr;
    if (text && fetch(text, length) == length)
        s.pushLString(state, text, strnlen(text, length));
    else
        s.pushString(state, "");
    sv_system().freeMem(text);
    s.setField(state, -2, "target");
}

} // namespace

void sv_set_action_fields(ScriptState *state, const SvDocument *doc, engine::Handle action, engine::Handle dest)
{
    const KsScriptServices &s = sv_script();
    if (!action) {
        s.pushInteger(state, PDFACTION_GOTO);
        s.setField(state, -2, "action");
        set_page_target(state, doc, dest);
        return;
    }
    unsigned long type = engine::FPDFAction_GetType(action);
    s.pushInteger(state, int64_t(type));
    s.setField(state, -2, "action");
    switch (type) {
    case PDFACTION_GOTO: set_page_target(state, doc, engine::FPDFAction_GetDest(doc->document, action)); break;
    case PDFACTION_REMOTEGOTO:
    case PDFACTION_LAUNCH:
        set_text_target(state, "launchbuf", [action](void *buffer, unsigned long length) {
            return engine::FPDFAction_GetFilePath(action, buffer, length);
        });
        break;
    case PDFACTION_URI:
        set_text_target(state, "uribuf", [doc, action](void *buffer, unsigned long length) {
            return engine::FPDFAction_GetURIPath(doc->document, action, buffer, length);
        });
        break;
    default:
        s.pushString(state, "");
        s.setField(state, -2, "target");
        break;
    }
}
