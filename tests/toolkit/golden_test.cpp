// Small windows compared with pictures checked in under golden/, with a
// tolerance per channel and a few pixels allowed to differ (font hinting may
// move an antialiased edge). KS_UPDATE_GOLDEN=1 writes the pictures anew.
#include "fixture.h"

#include <cairo.h>

#include <cstdlib>
#include <string>

namespace tk::test {
namespace {

class Golden : public World {};

std::string goldenPath(const char *name) { return std::string(GOLDEN_DIR) + "/" + name; }

// Compares a window with a PNG: the count of pixels off by more than
// `tolerance` in any channel.
long differences(Object *window, const std::string &path, int tolerance, std::string *why)
{
    cairo_surface_t *png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        *why = "cannot read " + path;
        cairo_surface_destroy(png);
        return -1;
    }
    const BitMap *bm = windowBitMap(window);
    const int w = cairo_image_surface_get_width(png), h = cairo_image_surface_get_height(png);
    if (!bm || w != bm->width || h != bm->height) {
        *why = "size differs";
        cairo_surface_destroy(png);
        return -1;
    }
    const unsigned char *data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    long off = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t want = reinterpret_cast<const uint32_t *>(data + long(y) * stride)[x] & 0xFFFFFF;
            const uint32_t got = readRgb(bm, x, y);
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(int((want >> shift) & 0xFF) - int((got >> shift) & 0xFF)) > tolerance) {
                    ++off;
                    break;
                }
        }
    cairo_surface_destroy(png);
    return off;
}

void compare(Object *window, const char *name)
{
    const std::string path = goldenPath(name);
    if (getenv("KS_UPDATE_GOLDEN")) {
        ASSERT_EQ(saveWindowPng(window, path.c_str()), 0);
    }
    std::string why;
    const long off = differences(window, path, 24, &why);
    ASSERT_GE(off, 0) << why;
    EXPECT_LE(off, 12) << name << ": pixels that differ";
}

TEST_F(Golden, ButtonsCheckMarkAndGauge)
{
    Object *row = make("Group.mui", {{attr::GroupHoriz, 1},
                                     {attr::GroupChild, w(make("Text.mui", {{attr::Frame, kFrameButton}, {attr::TextContents, w("_Ok")}, {attr::TextHiChar, 1}}))},
                                     {attr::GroupChild, w(make("Image.mui", {{attr::Frame, kFrameImageButton}, {attr::ImageSpec, 15}, {attr::Selected, 1}}))}});
    Object *gauge = make("Gauge.mui", {{attr::Frame, kFrameGauge}, {attr::GaugeHoriz, 1}, {attr::GaugeCurrent, 40}, {attr::GaugeInfoText, w("%ld%%")}});
    App app = makeApp({row, gauge});
    compare(app.window, "buttons.png");
    disposeObject(app.app);
}

TEST_F(Golden, FramedGroupWithTitleOnAPaletteScreen)
{
    ASSERT_EQ(configureScreen(640, 480, 8, kPixLut8), 0);
    Object *text = make("Text.mui", {{attr::TextContents, w("\033cCentred \033bbold\033n and \033P[c00000]red")}});
    Object *group = make("Group.mui", {{attr::Frame, kFrameGroup}, {attr::FrameTitle, w("Palette")}, {attr::GroupChild, w(text)}});
    App app = makeApp({group});
    compare(app.window, "palette.png");
    disposeObject(app.app);
}

} // namespace
} // namespace tk::test
