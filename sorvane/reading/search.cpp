// Searching the text of a loaded page. A page keeps one search at a time: a
// new FindStart replaces it, FreePage and CloseDocument release it.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"
#include "unicode.h"

namespace {

// The loaded page with text and a search started on it.
int lookup_search(ScriptState *state, SvPage **node)
{
    SvDocument *doc;
    int err = sv_lookup_page(state, 1, 2, true, &doc, node);
    if (err) return err;
    if (!(*node)->search) return sv_error(SV_ERR_FIND_NOT_STARTED);
    return 0;
}

} // namespace

// pdf.FindStart(id,page,s$[,flags,idx])
int sv_FindStart(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    s.checkInteger(state, 2); // the page number is read first, as in every page lookup
    size_t length = 0;
    const char *text = s.checkString(state, 3, &length);
    int64_t flags = s.optInteger(state, 4, 0);
    int64_t start = s.optInteger(state, 5, 0);
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;

    // Each UTF-8 byte gives at most one UTF-16 unit, so this always has room.
    size_t bytes = (length + 1) * 4;
    auto *units = static_cast<uint16_t *>(sv_system().allocMem(bytes, 1, "buf"));
    if (!units) return KS_ERR_MEMORY;
    sv_utf8_to_utf16(text, length, units, bytes / sizeof(uint16_t));

    if (node->search) engine::FPDFText_FindClose(node->search);
    node->search = 0;
    // The engine never returns from looking for empty text: such a search does
    // not start. The engine reads up to the first zero unit, and text whose
    // first character is not valid UTF-8 ends up empty as well.
    if (units[0] != 0)
        node->search = engine::FPDFText_FindStart(node->textPage, units, (unsigned long)(flags), int(start));
    sv_system().freeMem(units);
    if (!node->search) return sv_error(SV_ERR_FIND_START);
    return 0;
}

// res=pdf.FindNext(id,page)
int sv_FindNext(ScriptState *state)
{
    SvPage *node;
    int err = lookup_search(state, &node);
    if (err) return err;
    sv_script().pushInteger(state, engine::FPDFText_FindNext(node->search) ? 1 : 0);
    return 1;
}

// res=pdf.FindPrev(id,page)
int sv_FindPrev(ScriptState *state)
{
    SvPage *node;
    int err = lookup_search(state, &node);
    if (err) return err;
    sv_script().pushInteger(state, engine::FPDFText_FindPrev(node->search) ? 1 : 0);
    return 1;
}

// idx,len=pdf.GetFindResult(id,page)
int sv_GetFindResult(ScriptState *state)
{
    SvPage *node;
    int err = lookup_search(state, &node);
    if (err) return err;
    sv_script().pushInteger(state, engine::FPDFText_GetSchResultIndex(node->search));
    sv_script().pushInteger(state, engine::FPDFText_GetSchCount(node->search));
    return 2;
}
