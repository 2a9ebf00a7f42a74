// Loading and freeing pages of an open document.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"

// pdf.LoadPage(id,page[,loadtext])
int sv_LoadPage(ScriptState *state)
{
    SvDocument *doc;
    int number;
    int err = sv_lookup(state, 1, 2, &doc, &number);
    if (err) return err;
    int64_t loadText = sv_script().optInteger(state, 3, 0);

    SvPage *node = doc->pages;
    while (node && node->number != number) node = node->next;
    if (!node) {
        engine::Handle page = engine::FPDF_LoadPage(doc->document, number - 1);
        if (!page) return sv_error(SV_ERR_LOAD_PAGE);
        node = static_cast<SvPage *>(sv_system().allocMem(sizeof(SvPage), 1, "pdfpage"));
        if (!node) {
            engine::FPDF_ClosePage(page);
            return KS_ERR_MEMORY;
        }
        node->page = page;
        node->number = number;
        SvPage **tail = &doc->pages;
        while (*tail) tail = &(*tail)->next;
        *tail = node;
    }
    if (loadText && !node->textPage) {
        node->textPage = engine::FPDFText_LoadPage(node->page);
        if (!node->textPage) return sv_error(SV_ERR_LOAD_PAGE);
    }
    return 0;
}

// pdf.FreePage(id,page)
int sv_FreePage(ScriptState *state)
{
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    if (node->search) engine::FPDFText_FindClose(node->search);
    if (node->textPage) engine::FPDFText_ClosePage(node->textPage);
    engine::FPDF_ClosePage(node->page);
    for (SvPage **link = &doc->pages; *link; link = &(*link)->next)
        if (*link == node) {
            *link = node->next;
            break;
        }
    sv_system().freeMem(node);
    return 0;
}
