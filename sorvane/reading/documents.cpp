// The open-document list: lookup by id, release, and the attribute query the
// host calls for "PDF document" objects.
#include "../frame/plugin.h"
#include "document.h"

namespace {

enum { PDFATTRPAGES = 32768, PDFATTRVERSION = 32769, PDFATTRPERMISSIONS = 32770 };

bool same_id(const ScriptId &a, const ScriptId &b) { return a.number == b.number && a.pointer == b.pointer; }

} // namespace

SvDocument *sv_find_document(const ScriptId &id)
{
    for (SvDocument *d = sv.documents; d; d = d->next)
        if (same_id(d->id, id)) return d;
    return nullptr;
}

void sv_release_document(SvDocument *doc)
{
    while (SvPage *page = doc->pages) {
        doc->pages = page->next;
        sv_system().freeMem(page);
    }
    sv_files().releaseFile(&doc->file);
    sv_system().objectFreed(doc->type, &doc->id);
    for (SvDocument **link = &sv.documents; *link; link = &(*link)->next)
        if (*link == doc) {
            *link = doc->next;
            break;
        }
    sv_system().freeMem(doc);
}

int sv_document_query(ScriptState *state, int attribute, const ScriptId *id)
{
    SvDocument *doc = sv_find_document(*id);
    if (!doc) return sv_error(SV_ERR_NO_DOCUMENT);
    switch (attribute) {
    case PDFATTRPAGES: sv_script().pushInteger(state, doc->pageCount); return 1;
    default: return KS_ERR_UNKNOWN_ATTR;
    }
}
