// A document's information entries and page labels.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"
#include "strings.h"

namespace {

// Pushes an engine answer of UTF-16LE text, asked for first with no buffer to
// learn its length in bytes. No text, or no memory for it, gives "".
template <typename Fetch> int push_engine_text(ScriptState *state, Fetch fetch)
{
    unsigned long length = fetch(nullptr, 0);
    void *units = length ? sv_system().allocMem(length, 1, "buf") : nullptr;
    int err = KS_ERR_MEMORY;
    if (units) {
        unsigned long got = fetch(units, length);
        err = sv_push_utf16le(state, units, got <= length ? got : 0, size_t(length) * 2, "ubuf");
        sv_system().freeMem(units);
    }
    if (err) sv_script().pushString(state, "");
    return 1;
}

} // namespace

// t$=pdf.GetMetaText(id,attr$)
int sv_GetMetaText(ScriptState *state)
{
    ScriptId id;
    sv_script().checkId(state, 1, &id);
    size_t length;
    const char *tag = sv_script().checkString(state, 2, &length);
    SvDocument *doc = sv_find_document(id);
    if (!doc) return sv_error(SV_ERR_NO_DOCUMENT);
    return push_engine_text(state, [doc, tag](void *buffer, unsigned long size) {
        return engine::FPDF_GetMetaText(doc->document, tag, buffer, size);
    });
}

// l$=pdf.GetPageLabel(id,page): the page need not be loaded.
int sv_GetPageLabel(ScriptState *state)
{
    SvDocument *doc;
    int page;
    int err = sv_lookup(state, 1, 2, &doc, &page);
    if (err) return err;
    return push_engine_text(state, [doc, page](void *buffer, unsigned long size) {
        return engine::FPDF_GetPageLabel(doc->document, page - 1, buffer, size);
    });
}
