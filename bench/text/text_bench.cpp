// Whole-page text and a search over a 100-page document, through the plugin
// (GetText, FindStart/FindNext/GetFindResult in the stand-in host) and
// in-process on the engine library with the same calls and the same UTF-8
// conversions, in one run. Prints the median times and their ratio.
//   text_bench BIN_DIR [REPS]
#include "../../sorvane/reading/unicode.h"

#include <hpdf.h>

#include "../common/measure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char *const kWord = "needle";
const int kPages = 100;

// 100 A4 pages of 60 lines each, in three fonts; every seventh line holds the word.
bool make_document(const std::string &path)
{
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    if (!pdf) return false;
    const char *fonts[] = {"Helvetica", "Times-Roman", "Courier"};
    for (int p = 0; p < kPages; p++) {
        HPDF_Page page = HPDF_AddPage(pdf);
        HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        for (int line = 0; line < 60; line++) {
            char text[160];
            std::snprintf(text, sizeof text, "Page %d line %d: the quick brown fox jumps over the lazy dog%s", p + 1,
                          line + 1, line % 7 == 0 ? " and finds a needle in the hay" : ", again and again");
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, HPDF_GetFont(pdf, fonts[line % 3], nullptr), 9);
            HPDF_Page_TextOut(page, 30, 810 - line * 13.0f, text);
            HPDF_Page_EndText(page);
        }
    }
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}

struct Pdfium {
    void (*init)();
    void *(*load)(const char *, const char *);
    void (*closeDoc)(void *);
    void *(*loadPage)(void *, int);
    void (*closePage)(void *);
    void *(*loadText)(void *);
    void (*closeText)(void *);
    int (*countChars)(void *);
    int (*getText)(void *, int, int, unsigned short *);
    void *(*findStart)(void *, const unsigned short *, unsigned long, int);
    int (*findNext)(void *);
    int (*resultIndex)(void *);
    int (*resultCount)(void *);
    void (*findClose)(void *);
};



// What GetText does for a whole page, minus the plugin: count, fetch, convert.
size_t page_text(const Pdfium &p, void *text)
{
    int n = p.countChars(text);
    if (n <= 0) return 0;
    size_t bytes = size_t(n + 1) * 4;
    auto *units = static_cast<unsigned short *>(std::malloc(bytes));
    auto *utf8 = static_cast<char *>(std::calloc(bytes, 1));
    int got = p.getText(text, 0, n, units);
    if (got > 0) sv_utf16le_to_utf8(units, size_t(got) * 2, utf8, bytes);
    size_t length = std::strlen(utf8); // the script gets the text up to its terminator
    std::free(units);
    std::free(utf8);
    return length;
}

// What FindStart, FindNext and GetFindResult do for one page.
int page_search(const Pdfium &p, void *text, const char *word)
{
    size_t length = std::strlen(word);
    size_t bytes = (length + 1) * 4;
    auto *units = static_cast<uint16_t *>(std::calloc(bytes, 1));
    sv_utf8_to_utf16(word, length, units, bytes / 2);
    void *search = p.findStart(text, units, 0, 0);
    std::free(units);
    int matches = 0;
    volatile int sink = 0;
    while (p.findNext(search)) {
        sink = sink + p.resultIndex(search) + p.resultCount(search);
        matches++;
    }
    p.findClose(search);
    return matches;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: text_bench BIN_DIR [REPS]\n");
        return 2;
    }
    std::string bin = argv[1];
    int reps = argc > 2 ? std::atoi(argv[2]) : 9;
    if (reps < 1) reps = 1;
    std::string dir = "/tmp/kestrune-text-bench";
    std::system(("mkdir -p " + dir).c_str());
    std::string file = dir + "/hundred.pdf";
    if (!make_document(file)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }

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
    bind(lib, p.loadText, "FPDFText_LoadPage");
    bind(lib, p.closeText, "FPDFText_ClosePage");
    bind(lib, p.countChars, "FPDFText_CountChars");
    bind(lib, p.getText, "FPDFText_GetText");
    bind(lib, p.findStart, "FPDFText_FindStart");
    bind(lib, p.findNext, "FPDFText_FindNext");
    bind(lib, p.resultIndex, "FPDFText_GetSchResultIndex");
    bind(lib, p.resultCount, "FPDFText_GetSchCount");
    bind(lib, p.findClose, "FPDFText_FindClose");
    p.init();

    // In-process: the pages and their text loaded first, as the script does with LoadPage.
    void *doc = p.load(file.c_str(), nullptr);
    if (!doc) {
        std::fprintf(stderr, "the engine cannot open %s\n", file.c_str());
        return 1;
    }
    std::vector<void *> pages, texts;
    for (int i = 0; i < kPages; i++) {
        pages.push_back(p.loadPage(doc, i));
        texts.push_back(p.loadText(pages.back()));
    }
    std::vector<double> text, search;
    size_t bytes = 0;
    int matches = 0;
    for (int r = 0; r < reps; r++) {
        auto t0 = Clock::now();
        bytes = 0;
        for (void *t : texts) bytes += page_text(p, t);
        text.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    for (int r = 0; r < reps; r++) {
        auto t0 = Clock::now();
        matches = 0;
        for (void *t : texts) matches += page_search(p, t, kWord);
        search.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    for (int i = 0; i < kPages; i++) {
        p.closeText(texts[size_t(i)]);
        p.closePage(pages[size_t(i)]);
    }
    p.closeDoc(doc);

    // Through the plugin, in the stand-in host.
    std::string cmd = bin + "/kestrune " + std::string(BENCH_DIR) + "/text.lua " + file + " " + std::to_string(reps) +
                      " " + kWord;
    FILE *pipe = popen(cmd.c_str(), "r");
    double pluginText = 0, pluginSearch = 0;
    long pluginBytes = -1, pluginMatches = -1;
    char line[256];
    while (pipe && std::fgets(line, sizeof line, pipe)) {
        std::sscanf(line, "text %lf %ld", &pluginText, &pluginBytes);
        std::sscanf(line, "search %lf %ld", &pluginSearch, &pluginMatches);
    }
    if (!pipe || pclose(pipe) != 0 || pluginText == 0 || pluginSearch == 0) {
        std::fprintf(stderr, "the plugin run failed: %s\n", cmd.c_str());
        return 1;
    }
    if (pluginMatches != matches || pluginBytes != long(bytes)) {
        std::fprintf(stderr, "the plugin got %ld bytes and %ld matches, the engine %zu and %d\n", pluginBytes,
                     pluginMatches, bytes, matches);
        return 1;
    }
    double baseText = median(text), baseSearch = median(search);
    std::printf("%d pages, %zu bytes of text, %d matches of \"%s\", median of %d\n", kPages, bytes, matches, kWord,
                reps);
    std::printf("%-22s %12s %12s %7s\n", "operation (all pages)", "plugin ms", "in-proc ms", "ratio");
    std::printf("%-22s %12.3f %12.3f %7.3f\n", "GetText whole page", pluginText * 1e3, baseText * 1e3,
                pluginText / baseText);
    std::printf("%-22s %12.3f %12.3f %7.3f\n", "search", pluginSearch * 1e3, baseSearch * 1e3,
                pluginSearch / baseSearch);
    return 0;
}
