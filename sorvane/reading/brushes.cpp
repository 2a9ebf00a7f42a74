// Pages as vector brushes: GetBrush and GetBrushFromPage, the brush reference
// list, and the three callbacks through which the host asks for pixels.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "brush.h"
#include "links.h"
#include "render.h"

SvBrush *sv_brushes;

bool sv_document_has_brushes(const SvDocument *doc)
{
    for (const SvBrush *b = sv_brushes; b; b = b->next)
        if (b->document == doc) return true;
    return false;
}

namespace {

uint32_t *brush_pixels(void *record, KsPixelInfo *out)
{
    return sv_record_pixels(static_cast<SvBrush *>(record), out);
}

int brush_transform(void *record, const double matrix[4], int width, int height)
{
    return sv_record_render_again(static_cast<SvBrush *>(record), matrix, width, height);
}

void brush_free(void *record)
{
    auto *b = static_cast<SvBrush *>(record);
    for (SvBrush **link = &sv_brushes; *link; link = &(*link)->next)
        if (*link == b) {
            *link = b->next;
            break;
        }
    if (!b->pageOwnedElsewhere) engine::FPDF_ClosePage(b->page);
    sv_release_pixels(b->pixels, b->bitmap);
    sv_system().freeMem(b);
}

struct BrushArgs {
    ScriptId brid;
    int automatic;
    int64_t transparent;
    int64_t links;
};

// Reads brid, transparent and (for GetBrush) links before any page is touched.
BrushArgs read_args(ScriptState *state, bool withLinks)
{
    const KsScriptServices &s = sv_script();
    BrushArgs a{};
    a.automatic = s.checkId(state, 3, &a.brid);
    a.transparent = s.optInteger(state, 4, 0);
    a.links = withLinks ? s.optInteger(state, 5, 0) : 0;
    return a;
}

// Makes a vector brush of a page and pushes the results. `ownPage` is set when
// the page was loaded for this brush alone; it is closed on every failure.
int make_brush(ScriptState *state, const BrushArgs &args, SvDocument *doc, engine::Handle page, bool ownPage,
               int pageNumber)
{
    const KsScriptServices &s = sv_script();
    ScriptId brid = args.brid;
    int automatic = args.automatic;
    int64_t transparent = args.transparent;
    int64_t links = args.links;

    if (!transparent) sv_add_white_background(page);
    const float identity[4] = {1, 0, 0, 1};
    SvRendering r;
    if (!sv_render_page(page, identity, 0, 0, &r)) {
        if (ownPage) engine::FPDF_ClosePage(page);
        return KS_ERR_MEMORY;
    }
    auto *b = static_cast<SvBrush *>(sv_system().allocMem(sizeof(SvBrush), 1, "brushinfo"));
    if (!b) {
        sv_release_pixels(r.pixels, r.bitmap);
        if (ownPage) engine::FPDF_ClosePage(page);
        return KS_ERR_MEMORY;
    }
    *b = {nullptr, doc, page, r.width, r.height, transparent ? 1 : 0, r.rotated, ownPage ? 0 : 1, r.pixels, r.bitmap};

    KsVectorBrushRequest request{};
    request.pixels = r.pixels;
    request.width = uintptr_t(r.width);
    request.flags = transparent ? KS_VECTOR_FLAG_DEFAULT | KS_VECTOR_FLAG_ALPHA : KS_VECTOR_FLAG_DEFAULT;
    request.pixelCallback = brush_pixels;
    request.freeCallback = brush_free;
    request.transformCallback = brush_transform;
    request.record = b;
    void *autoId = nullptr;
    int err = sv.api->graphics->createVectorBrush(&brid, r.width, r.height, &request, &autoId);
    if (err) {
        sv_release_pixels(r.pixels, r.bitmap);
        sv_system().freeMem(b);
        if (ownPage) engine::FPDF_ClosePage(page);
        return err;
    }
    SvBrush **tail = &sv_brushes;
    while (*tail) tail = &(*tail)->next;
    *tail = b;

    int results = 0;
    if (automatic) {
        s.pushLightPointer(state, autoId);
        results++;
    } else if (links) {
        s.pushInteger(state, 0);
        results++;
    }
    if (links) {
        int linkErr = sv_push_page_links(state, doc, page, pageNumber);
        if (linkErr) return linkErr;
        results++;
    }
    return results;
}

} // namespace

// [id]=pdf.GetBrush(id,page,brid[,transparent]) -- with an unnamed fifth argument, links
int sv_GetBrush(ScriptState *state)
{
    SvDocument *doc;
    int number;
    int err = sv_lookup(state, 1, 2, &doc, &number);
    if (err) return err;
    BrushArgs args = read_args(state, true);
    engine::Handle page = engine::FPDF_LoadPage(doc->document, number - 1);
    if (!page) return sv_error(SV_ERR_LOAD_PAGE);
    return make_brush(state, args, doc, page, true, number);
}

// [id]=pdf.GetBrushFromPage(id,page,brid[,transparent])
int sv_GetBrushFromPage(ScriptState *state)
{
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    return make_brush(state, read_args(state, false), doc, node->page, false, node->number);
}
