// Builds a 500-page text document (40 lines on each page, compressed, saved
// to a file) through the plugin in the stand-in host and with the same
// libharu calls made directly, in one run, and prints the median times and
// their ratio.
//   creation_bench BIN_DIR [REPS]
#include <hpdf.h>

#include "../common/measure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool build_direct(const std::string &path)
{
    HPDF_Doc pdf = HPDF_New(nullptr, nullptr);
    if (!pdf) return false;
    HPDF_SetCompressionMode(pdf, HPDF_COMP_ALL);
    HPDF_Font font = HPDF_GetFont(pdf, "Helvetica", nullptr);
    char text[96];
    for (int p = 1; p <= 500; p++) {
        HPDF_Page page = HPDF_AddPage(pdf);
        HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetFontAndSize(page, font, 10);
        for (int l = 1; l <= 40; l++) {
            std::snprintf(text, sizeof text, "The quick brown fox jumps over the lazy dog, line %d", l);
            HPDF_Page_TextOut(page, 50, float(800 - l * 18), text);
        }
        HPDF_Page_EndText(page);
    }
    bool ok = HPDF_SaveToFile(pdf, path.c_str()) == HPDF_OK;
    HPDF_Free(pdf);
    return ok;
}


} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: creation_bench BIN_DIR [REPS]\n");
        return 2;
    }
    std::string bin = argv[1];
    int reps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::string direct = "/tmp/kestrune-creation-bench-direct.pdf";
    std::string plugin = "/tmp/kestrune-creation-bench-plugin.pdf";

    std::vector<double> times;
    for (int r = 0; r < reps; r++) {
        auto t0 = Clock::now();
        if (!build_direct(direct)) {
            std::fprintf(stderr, "the direct build failed\n");
            return 1;
        }
        times.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    double base = median(times);

    std::string cmd = bin + "/kestrune " + std::string(BENCH_DIR) + "/creation.lua " + plugin + " " + std::to_string(reps);
    FILE *pipe = popen(cmd.c_str(), "r");
    double through = -1;
    if (pipe) {
        char line[128];
        while (std::fgets(line, sizeof line, pipe))
            if (std::sscanf(line, "build %lf", &through) == 1) break;
        if (pclose(pipe) != 0) through = -1;
    }
    if (through < 0) {
        std::fprintf(stderr, "the plugin run failed: %s\n", cmd.c_str());
        return 1;
    }
    std::printf("%-28s %12s %12s %7s\n", "document", "plugin ms", "direct ms", "ratio");
    std::printf("%-28s %12.1f %12.1f %7.3f\n", "500 pages x 40 lines", through * 1e3, base * 1e3, through / base);
    std::remove(direct.c_str());
    std::remove(plugin.c_str());
    return 0;
}
