// The bookmark tree of a document as nested script tables.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "actions.h"
#include "document.h"
#include "handle_set.h"
#include "strings.h"

namespace {

// Outlines come from the file and may loop back on themselves. The engine names
// a bookmark by the same handle each time it is reached, so a bookmark seen
// before ends its chain of siblings. Levels below this depth are left out, so
// that a very deep outline cannot exhaust the stack.
constexpr int kMaxDepth = 256;

void set_title(ScriptState *state, engine::Handle bookmark)
{
    const KsScriptServices &s = sv_script();
    // The title comes as UTF-16LE with its terminator; the length is in bytes.
    unsigned long length = engine::FPDFBookmark_GetTitle(bookmark, nullptr, 0);
    if (length == 0) {
        s.pushString(state, "");
        s.setField(state, -2, "title");
        return;
    }
    void *units = sv_system().allocMem(length, 1, "buf");
    if (!units) return;
    unsigned long got = engine::FPDFBookmark_GetTitle(bookmark, units, length);
    if (got > length) got = 0;
    if (sv_push_utf16le(state, units, got, size_t(length) * 2, "ubuf") == 0) s.setField(state, -2, "title");
    sv_system().freeMem(units);
}

// Pushes the table of the children of `parent` (0: the top level).
int push_level(ScriptState *state, const SvDocument *doc, engine::Handle parent, int depth, SvHandleSet *seen)
{
    const KsScriptServices &s = sv_script();
    if (!s.ensureStack(state, 16)) return KS_ERR_MEMORY;
    s.newTable(state, 0, 0);
    if (depth >= kMaxDepth) return 0;
    int index = 0;
    for (engine::Handle b = engine::FPDFBookmark_GetFirstChild(doc->document, parent); b;
         b = engine::FPDFBookmark_GetNextSibling(doc->document, b)) {
        int added = sv_handle_set_add(seen, b);
        if (added < 0) return -added;
        if (!added) break;
        s.newTable(state, 0, 4);
        set_title(state, b);
        if (engine::Handle action = engine::FPDFBookmark_GetAction(b))
            sv_set_action_fields(state, doc, action, 0);
        else if (engine::Handle dest = engine::FPDFBookmark_GetDest(doc->document, b))
            sv_set_action_fields(state, doc, 0, dest);
        int err = push_level(state, doc, b, depth + 1, seen);
        if (err) return err;
        s.setField(state, -2, "children");
        s.setIndex(state, -2, index++);
    }
    return 0;
}

} // namespace

// t=pdf.GetBookmarks(id)
int sv_GetBookmarks(ScriptState *state)
{
    ScriptId id;
    sv_script().checkId(state, 1, &id);
    SvDocument *doc = sv_find_document(id);
    if (!doc) return sv_error(SV_ERR_NO_DOCUMENT);
    SvHandleSet seen{nullptr, 0, 0};
    int err = push_level(state, doc, 0, 0, &seen);
    sv_handle_set_free(&seen);
    return err ? err : 1;
}
