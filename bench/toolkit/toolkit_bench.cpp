// Lays out and draws windows of 50, 100, 250 and 500 widgets (a grid of
// labels, fields, buttons, check marks and gauges) and prints the median
// time of a re-layout after a change (which draws the window anew, as the
// layer always does) and of a full draw alone, with their growth against
// the 50-widget window measured in the same run.
//   toolkit_bench [REPS]
#include "toolkit/toolkit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using tk::Object;
using tk::Word;

Object *widget(int i)
{
    static const char *labels[] = {"Name", "Street", "City", "Phone", "Mail"};
    switch (i % 5) {
    case 0: return tk::newObject("Text.mui", tk::TagList{{tk::attr::TextContents, Word(labels[i % 5])}, {tk::kTagDone, 0}}.data());
    case 1:
        return tk::newObject("String.mui", tk::TagList{{tk::attr::Frame, tk::kFrameString},
                                                      {tk::attr::StringContents, Word("some text")}, {tk::kTagDone, 0}}.data());
    case 2:
        return tk::newObject("Text.mui", tk::TagList{{tk::attr::Frame, tk::kFrameButton}, {tk::attr::TextContents, Word("_Go")},
                                                    {tk::attr::TextHiChar, 1}, {tk::kTagDone, 0}}.data());
    case 3:
        return tk::newObject("Image.mui", tk::TagList{{tk::attr::Frame, tk::kFrameImageButton}, {tk::attr::ImageSpec, 15},
                                                     {tk::attr::Selected, 1}, {tk::kTagDone, 0}}.data());
    default:
        return tk::newObject("Gauge.mui", tk::TagList{{tk::attr::Frame, tk::kFrameGauge}, {tk::attr::GaugeHoriz, 1},
                                                     {tk::attr::GaugeCurrent, Word(i % 100)}, {tk::kTagDone, 0}}.data());
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Result {
    int widgets;
    double layoutMs, drawMs;
};

Result measure(int widgets, int reps)
{
    tk::resetWorld();
    tk::configureScreen(4096, 4096, 32, tk::kPixArgb32);
    std::vector<tk::TagItem> tags{{tk::attr::GroupColumns, 10}};
    for (int i = 0; i < widgets; ++i) tags.push_back(tk::TagItem{tk::attr::GroupChild, Word(widget(i))});
    tags.push_back(tk::TagItem{tk::kTagDone, 0});
    Object *grid = tk::newObject("Group.mui", tags.data());
    Object *window = tk::newObject("Window.mui", tk::TagList{{tk::attr::WinTitle, Word("Bench")},
                                                            {tk::attr::WinRootObject, Word(grid)}, {tk::kTagDone, 0}}.data());
    Object *app = tk::newObject("Application.mui", tk::TagList{{tk::attr::AppWindow, Word(window)}, {tk::kTagDone, 0}}.data());
    tk::set(window, tk::attr::WinOpen, 1);
    std::vector<double> layout, draw;
    for (int r = 0; r < reps; ++r) {
        // A change: one widget leaves and comes back inside a change bracket.
        Object *last = grid->children.back();
        auto t0 = Clock::now();
        tk::doMethod(grid, tk::method::GroupInitChange);
        tk::doMethod(grid, tk::method::RemMember, last);
        tk::doMethod(grid, tk::method::AddMember, last);
        tk::doMethod(grid, tk::method::GroupExitChange);
        auto t1 = Clock::now();
        tk::redraw(window, tk::kDrawObject);
        auto t2 = Clock::now();
        layout.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        draw.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    tk::disposeObject(app);
    return Result{widgets, median(layout), median(draw)};
}

} // namespace

int main(int argc, char **argv)
{
    const int reps = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    measure(50, 1); // warm the font caches
    std::vector<Result> results;
    for (int n : {50, 100, 250, 500}) results.push_back(measure(n, reps));
    printf("%8s %16s %14s %14s %12s\n", "widgets", "relayout+draw ms", "full draw ms", "growth relay", "growth draw");
    for (const Result &r : results)
        printf("%8d %16.2f %14.2f %13.1fx %11.1fx\n", r.widgets, r.layoutMs, r.drawMs, r.layoutMs / results[0].layoutMs,
               r.drawMs / results[0].drawMs);
    tk::resetWorld();
    return 0;
}
