// A PDF file as an animation: every page is a frame of the size of page 1,
// delivered as raster pixels or, on hosts from version 9 on and unless the
// script asked for "novectoranim", as vector frames rendered again at will.
#include "anim.h"

#include "../frame/plugin.h"
#include "document.h"
#include "render.h"

namespace {

// An open anim ("animinfo").
struct SvAnim {
    KsFileRequest file;
    char fileName[1024];
    engine::Handle document;
    int width;
    int height;
    int frames;
};

// A vector frame ("frameinfo").
struct SvFrame {
    engine::Handle page;
    int width;
    int height;
    int transparent;
    int rotated;
    uint32_t *pixels;
    engine::Handle bitmap; // the engine bitmap holding the pixels, or 0 for a host block
};

bool vector_frames() { return sv.hostVersion > 8 && !sv.noVectorAnim; }

void release_anim(SvAnim *a)
{
    if (a->document) engine::FPDF_CloseDocument(a->document);
    sv_files().releaseFile(&a->file);
    sv_system().freeMem(a);
}

} // namespace

void *OpenAnim(const char *file, uint32_t *info)
{
    if (!sv.api || !file) return nullptr;
    auto *a = static_cast<SvAnim *>(sv_system().allocMem(sizeof(SvAnim), 1, "animinfo"));
    if (!a) return nullptr;
    a->file.buffer = a->fileName;
    a->document = sv_open_in_engine(file, nullptr, &a->file);
    if (!a->document) {
        release_anim(a);
        return nullptr;
    }
    a->frames = engine::FPDF_GetPageCount(a->document);
    engine::Handle page = a->frames > 0 ? engine::FPDF_LoadPage(a->document, 0) : 0;
    if (!page) {
        release_anim(a);
        return nullptr;
    }
    a->width = int(engine::FPDF_GetPageWidth(page));
    a->height = int(engine::FPDF_GetPageHeight(page));
    engine::FPDF_ClosePage(page);
    info[0] = uint32_t(a->width);
    info[1] = uint32_t(a->height);
    info[3] = uint32_t(a->frames);
    info[4] = 1;
    info[5] = 0;
    info[11] = vector_frames() ? 1 : 0;
    return a;
}

void *LoadFrame(void *anim, int index, uint32_t *request)
{
    auto *a = static_cast<SvAnim *>(anim);
    engine::Handle page = engine::FPDF_LoadPage(a->document, index);
    if (!page) return nullptr;
    // Every frame has the size of page 1.
    if (int(engine::FPDF_GetPageWidth(page)) != a->width || int(engine::FPDF_GetPageHeight(page)) != a->height) {
        engine::FPDF_ClosePage(page);
        return nullptr;
    }
    int transparent = request[4] ? 1 : 0;
    if (!vector_frames()) {
        uint32_t *pixels = nullptr;
        engine::Handle bitmap = engine::FPDFBitmap_Create(a->width, a->height, 1);
        if (bitmap) {
            engine::FPDFBitmap_FillRect(bitmap, 0, 0, a->width, a->height, transparent ? 0 : 0xFFFFFFFF);
            engine::FPDF_RenderPageBitmap(bitmap, page, 0, 0, a->width, a->height, 0, 0);
            pixels = sv_copy_bitmap(bitmap, a->width, a->height);
            engine::FPDFBitmap_Destroy(bitmap);
        }
        engine::FPDF_ClosePage(page);
        return pixels;
    }
    auto *f = static_cast<SvFrame *>(sv_system().allocMem(sizeof(SvFrame), 1, "frameinfo"));
    if (!f) {
        engine::FPDF_ClosePage(page);
        return nullptr;
    }
    if (!transparent) sv_add_white_background(page);
    const float identity[4] = {1, 0, 0, 1};
    SvRendering r;
    if (!sv_render_page(page, identity, 0, 0, &r)) {
        sv_system().freeMem(f);
        engine::FPDF_ClosePage(page);
        return nullptr;
    }
    *f = {page, r.width, r.height, transparent, r.rotated, r.pixels, r.bitmap};
    return f;
}

void FreeFrame(void *frame) { sv_system().freeMem(frame); }

int GetFrameDelay(void *, int) { return 0; }

uint32_t *GetFrame(void *frame, KsPixelInfo *out) { return sv_record_pixels(static_cast<SvFrame *>(frame), out); }

int TransformFrame(void *frame, const double *matrix, int width, int height)
{
    return sv_record_render_again(static_cast<SvFrame *>(frame), matrix, width, height);
}

void FreeVectorFrame(void *frame)
{
    auto *f = static_cast<SvFrame *>(frame);
    engine::FPDF_ClosePage(f->page);
    sv_release_pixels(f->pixels, f->bitmap);
    sv_system().freeMem(f);
}

void CloseAnim(void *anim) { release_anim(static_cast<SvAnim *>(anim)); }
