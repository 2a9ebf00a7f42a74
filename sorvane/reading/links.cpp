// The link table of a page, for GetPageLinks and for GetBrush's links result.
#include "links.h"

#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "actions.h"

namespace {

void set_number(ScriptState *state, const char *field, double value)
{
    sv_script().pushNumber(state, value);
    sv_script().setField(state, -2, field);
}

} // namespace

int sv_push_page_links(ScriptState *state, SvDocument *doc, engine::Handle page, int)
{
    const KsScriptServices &s = sv_script();
    if (!s.ensureStack(state, 8)) return KS_ERR_MEMORY;
    s.newTable(state, 0, 0);
    int position = 0;
    engine::Handle link = 0;
    int index = 0;
    while (engine::FPDFLink_Enumerate(page, &position, &link)) {
        // The action comes first: the engine also answers the destination of a
        // remote go-to as the link's destination, which would name a page of
        // this document instead of the other file.
        engine::Handle action = engine::FPDFLink_GetAction(link);
        engine::Handle dest = action ? 0 : engine::FPDFLink_GetDest(doc->document, link);
        if (!dest && !action) continue; // leads nowhere: takes no index
        float rect[4] = {0, 0, 0, 0}; // left, top, right, bottom
        engine::FPDFLink_GetAnnotRect(link, rect);
        s.newTable(state, 0, 6);
        set_number(state, "left", rect[0]);
        set_number(state, "top", rect[1]);
        set_number(state, "right", rect[2]);
        set_number(state, "bottom", rect[3]);
        sv_set_action_fields(state, doc, action, dest);
        s.setIndex(state, -2, index++);
    }
    return 0;
}

// t=pdf.GetPageLinks(id,page)
int sv_GetPageLinks(ScriptState *state)
{
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    err = sv_push_page_links(state, doc, node->page, node->number);
    return err ? err : 1;
}
