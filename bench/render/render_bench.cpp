// Renders pages of three kinds (text-heavy, vector drawing, an embedded image)
// to ARGB at 1x and 3x, through the plugin (GetBrush and ScaleBrush, in the
// stand-in host) and in-process on the engine library, in one run, and prints
// the median times and their ratio.
//   render_bench BIN_DIR [REPS]
#include <hpdf.h>

#include "../common/measure.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// ---- fixtures
bool text_heavy(const std::string &path)
{
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    HPDF_Page page = HPDF_AddPage(pdf);
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    const char *fonts[] = {"Helvetica", "Times-Roman", "Courier"};
    for (int line = 0; line < 70; line++) {
        HPDF_Page_BeginText(page);
        HPDF_Page_SetFontAndSize(page, HPDF_GetFont(pdf, fonts[line % 3], nullptr), 9);
        HPDF_Page_TextOut(page, 30, 810 - line * 11.5f,
                          "The quick brown fox jumps over the lazy dog, and keeps on running across the page 0123456789");
        HPDF_Page_EndText(page);
    }
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}

bool vector_drawing(const std::string &path)
{
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    HPDF_Page page = HPDF_AddPage(pdf);
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    for (int i = 0; i < 400; i++) {
        float t = float(i) / 400;
        HPDF_Page_SetRGBStroke(page, t, 0.3f, 1 - t);
        HPDF_Page_SetLineWidth(page, 0.5f + (i % 5));
        HPDF_Page_MoveTo(page, 300 + 250 * std::cos(t * 40), 420 + 250 * std::sin(t * 31));
        HPDF_Page_CurveTo(page, 300 + 200 * std::sin(t * 7), 420, 300, 420 + 200 * std::cos(t * 9),
                          300 + 260 * std::cos(t * 13), 420 + 260 * std::sin(t * 17));
        HPDF_Page_Stroke(page);
        if (i % 10 == 0) {
            HPDF_Page_SetRGBFill(page, 1 - t, t, 0.5f);
            HPDF_Page_Circle(page, 300 + 200 * std::cos(t * 6.28f), 420 + 200 * std::sin(t * 6.28f), 12);
            HPDF_Page_Fill(page);
        }
    }
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}

bool embedded_image(const std::string &path)
{
    const int w = 600, h = 800;
    std::vector<unsigned char> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            unsigned char *p = &rgb[(size_t(y) * w + x) * 3];
            p[0] = (unsigned char)(x * 255 / w);
            p[1] = (unsigned char)(y * 255 / h);
            p[2] = (unsigned char)((x ^ y) & 0xFF);
        }
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    HPDF_Page page = HPDF_AddPage(pdf);
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    HPDF_Image image = HPDF_LoadRawImageFromMem(pdf, rgb.data(), w, h, HPDF_CS_DEVICE_RGB, 8);
    HPDF_Page_DrawImage(page, image, 20, 20, 555, 800);
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}

// ---- the engine library in this process, doing what the plugin's renderer does
struct Pdfium {
    void (*init)();
    void *(*load)(const char *, const char *);
    void (*closeDoc)(void *);
    void *(*loadPage)(void *, int);
    void (*closePage)(void *);
    double (*width)(void *);
    double (*height)(void *);
    void *(*bitmapCreate)(int, int, int);
    int (*fillRect)(void *, int, int, int, int, unsigned long);
    void (*renderMatrix)(void *, void *, const float *, const float *, int);
    void (*destroy)(void *);
    void *(*buffer)(void *);
    int (*stride)(void *);
    void *(*newPath)(float, float);
    int (*lineTo)(void *, float, float);
    int (*closePath)(void *);
    int (*fillColor)(void *, unsigned, unsigned, unsigned, unsigned);
    int (*drawMode)(void *, int, int);
    void (*insertAt)(void *, void *, size_t);
    int (*mediaBox)(void *, float *, float *, float *, float *);
};


void render(const Pdfium &p, void *page, float scale, uint32_t *&out)
{
    int w = int(int(p.width(page)) * scale), h = int(int(p.height(page)) * scale);
    const float matrix[6] = {scale, 0, 0, scale, 0, 0};
    const float clip[4] = {0, 0, float(w), float(h)};
    void *bitmap = p.bitmapCreate(w, h, 1);
    p.fillRect(bitmap, 0, 0, w, h, 0);
    p.renderMatrix(bitmap, page, matrix, clip, 0);
    // A fresh buffer per rendering, as a brush gets: the old one is released after.
    auto *pixels = static_cast<uint32_t *>(std::malloc(size_t(w) * h * 4));
    auto *src = static_cast<const unsigned char *>(p.buffer(bitmap));
    int stride = p.stride(bitmap);
    for (int y = 0; y < h; y++) std::memcpy(pixels + size_t(y) * w, src + size_t(y) * stride, size_t(w) * 4);
    p.destroy(bitmap);
    std::free(out);
    out = pixels;
}

void white_background(const Pdfium &p, void *page)
{
    float l, b, r, t;
    p.mediaBox(page, &l, &b, &r, &t);
    void *path = p.newPath(l, b);
    p.lineTo(path, l, t);
    p.lineTo(path, r, t);
    p.lineTo(path, r, b);
    p.closePath(path);
    p.fillColor(path, 255, 255, 255, 255);
    p.drawMode(path, 2, 0);
    p.insertAt(page, path, 0);
}


} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_bench BIN_DIR [REPS]\n");
        return 2;
    }
    std::string bin = argv[1];
    int reps = argc > 2 ? std::atoi(argv[2]) : 15;
    std::string dir = "/tmp/kestrune-render-bench";
    std::system(("mkdir -p " + dir).c_str());
    struct Kind {
        const char *name;
        bool (*make)(const std::string &);
    } kinds[] = {{"text-heavy", text_heavy}, {"vector drawing", vector_drawing}, {"embedded image", embedded_image}};

    void *lib = dlopen((bin + "/libpdfium.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    Pdfium p{};
    bind(lib, p.init, "FPDF_InitLibrary");
    bind(lib, p.load, "FPDF_LoadDocument");
    bind(lib, p.closeDoc, "FPDF_CloseDocument");
    bind(lib, p.loadPage, "FPDF_LoadPage");
    bind(lib, p.closePage, "FPDF_ClosePage");
    bind(lib, p.width, "FPDF_GetPageWidth");
    bind(lib, p.height, "FPDF_GetPageHeight");
    bind(lib, p.bitmapCreate, "FPDFBitmap_Create");
    bind(lib, p.fillRect, "FPDFBitmap_FillRect");
    bind(lib, p.renderMatrix, "FPDF_RenderPageBitmapWithMatrix");
    bind(lib, p.destroy, "FPDFBitmap_Destroy");
    bind(lib, p.buffer, "FPDFBitmap_GetBuffer");
    bind(lib, p.stride, "FPDFBitmap_GetStride");
    bind(lib, p.newPath, "FPDFPageObj_CreateNewPath");
    bind(lib, p.lineTo, "FPDFPath_LineTo");
    bind(lib, p.closePath, "FPDFPath_Close");
    bind(lib, p.fillColor, "FPDFPageObj_SetFillColor");
    bind(lib, p.drawMode, "FPDFPath_SetDrawMode");
    bind(lib, p.insertAt, "FPDFPage_InsertObjectAtIndex");
    bind(lib, p.mediaBox, "FPDFPage_GetMediaBox");
    p.init();

    std::printf("%-16s %6s %12s %12s %7s\n", "page", "scale", "plugin ms", "in-proc ms", "ratio");
    double worst = 0;
    for (const Kind &k : kinds) {
        std::string file = dir + "/" + std::string(k.name).substr(0, 4) + ".pdf";
        if (!k.make(file)) return 1;
        // In-process: 1x = page load, background, render, copy, close; 3x = render and copy at 3x.
        std::vector<double> once, thrice;
        uint32_t *out = nullptr;
        void *doc = p.load(file.c_str(), nullptr);
        for (int i = 0; i < reps; i++) {
            auto t0 = Clock::now();
            void *page = p.loadPage(doc, 0);
            white_background(p, page);
            render(p, page, 1, out);
            p.closePage(page);
            once.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
        }
        void *page = p.loadPage(doc, 0);
        white_background(p, page);
        for (int i = 0; i < reps; i++) {
            auto t0 = Clock::now();
            render(p, page, 3, out);
            thrice.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
        }
        p.closePage(page);
        p.closeDoc(doc);
        std::free(out);

        // Through the plugin, in the stand-in host.
        std::string cmd = bin + "/kestrune " + std::string(BENCH_DIR) + "/render.lua " + file + " " + std::to_string(reps);
        FILE *pipe = popen(cmd.c_str(), "r");
        double plugin1 = 0, plugin3 = 0;
        char line[256];
        while (pipe && std::fgets(line, sizeof line, pipe)) {
            std::sscanf(line, "1x %lf", &plugin1);
            std::sscanf(line, "3x %lf", &plugin3);
        }
        if (!pipe || pclose(pipe) != 0 || plugin1 == 0 || plugin3 == 0) {
            std::fprintf(stderr, "the plugin run failed: %s\n", cmd.c_str());
            return 1;
        }
        double base1 = median(once), base3 = median(thrice);
        std::printf("%-16s %6s %12.3f %12.3f %7.3f\n", k.name, "1x", plugin1 * 1e3, base1 * 1e3, plugin1 / base1);
        std::printf("%-16s %6s %12.3f %12.3f %7.3f\n", k.name, "3x", plugin3 * 1e3, base3 * 1e3, plugin3 / base3);
        worst = std::max({worst, plugin1 / base1, plugin3 / base3});
    }
    std::printf("worst ratio %.3f (target at most 1.15)\n", worst);
    return 0;
}
