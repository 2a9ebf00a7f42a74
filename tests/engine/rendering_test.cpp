// Bitmaps shared with the server, rendering, and paths added to a page.
#include "engine.h"
#include "support.h"

#include <cstdint>
#include <cstring>

namespace {

using namespace engine;

// One pixel of a bitmap as the engine stores it: B, G, R, A in memory.
struct Pixel {
    uint8_t b, g, r, a;
};

Pixel at(const void *buffer, int stride, int x, int y) {
    Pixel p;
    std::memcpy(&p, static_cast<const uint8_t *>(buffer) + y * stride + x * 4, sizeof p);
    return p;
}

class Rendering : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        ASSERT_NE(doc, 0u);
        page = FPDF_LoadPage(doc, 0);
        ASSERT_NE(page, 0u);
    }
    Handle doc = 0;
    Handle page = 0;
};

// The fixture's page 1 (300 x 400) has a 4-point black line at page y = 100, which is
// device row 300 at natural size.
TEST_F(Rendering, RendersIntoPixelsTheClientReadsInPlace) {
    Handle bitmap = FPDFBitmap_Create(300, 400, 1);
    ASSERT_NE(bitmap, 0u);
    EXPECT_EQ(FPDFBitmap_GetStride(bitmap), 300 * 4);
    EXPECT_TRUE(FPDFBitmap_FillRect(bitmap, 0, 0, 300, 400, 0xFFFFFFFFu));
    EXPECT_TRUE(FPDF_RenderPageBitmap(bitmap, page, 0, 0, 300, 400, 0, 0));
    void *pixels = FPDFBitmap_GetBuffer(bitmap);
    ASSERT_NE(pixels, nullptr);

    Pixel line = at(pixels, 1200, 150, 300);
    EXPECT_LT(line.r + line.g + line.b, 60);
    EXPECT_EQ(line.a, 255);
    Pixel paper = at(pixels, 1200, 150, 380);
    EXPECT_EQ(paper.r + paper.g + paper.b, 3 * 255);

    // The server paints, the client sees it through the pointer it already has: one set
    // of pixels, no copy.
    EXPECT_TRUE(FPDFBitmap_FillRect(bitmap, 0, 0, 300, 400, 0xFF0000FFu)); // opaque blue
    Pixel blue = at(pixels, 1200, 150, 300);
    EXPECT_EQ(blue.b, 255);
    EXPECT_EQ(blue.r, 0);
    EXPECT_EQ(FPDFBitmap_GetBuffer(bitmap), pixels);

    FPDFBitmap_Destroy(bitmap);
    EXPECT_EQ(FPDFBitmap_GetBuffer(bitmap), nullptr);
    EXPECT_EQ(FPDFBitmap_GetStride(bitmap), 0);
}

// A bitmap made after one of the same size was destroyed reuses its shared pages
// (making them is the costly part), yet starts cleared like fresh memory; bitmaps of
// other sizes and bitmaps alive at the same time never share pages.
TEST_F(Rendering, ReusedPixelsStartCleared) {
    for (int round = 0; round < 3; ++round) {
        Handle bitmap = FPDFBitmap_Create(600, 800, 1);
        ASSERT_NE(bitmap, 0u);
        auto *pixels = static_cast<const uint8_t *>(FPDFBitmap_GetBuffer(bitmap));
        ASSERT_NE(pixels, nullptr);
        size_t dirty = 0;
        for (size_t i = 0; i < size_t(600) * 800 * 4; ++i)
            dirty += pixels[i] != 0;
        EXPECT_EQ(dirty, 0u) << "round " << round;
        EXPECT_TRUE(FPDFBitmap_FillRect(bitmap, 0, 0, 600, 800, 0xFF123456u));
        Handle other = FPDFBitmap_Create(600, 800, 1);
        ASSERT_NE(other, 0u);
        EXPECT_EQ(at(FPDFBitmap_GetBuffer(other), 2400, 10, 10).a, 0) << "a live bitmap's pages are its own";
        FPDFBitmap_Destroy(other);
        FPDFBitmap_Destroy(bitmap);
    }
}

// The engine applies the matrix after the page's own display transform (which already
// turns page space upright), so a plain scale by 2 puts the line on row 600 of a
// 600 x 800 bitmap, and flipping y as well would put it on row 200.
TEST_F(Rendering, RendersWithAMatrixAndKeepsTransparency) {
    struct {
        float matrix[6];
        int lineRow, emptyRow;
    } cases[] = {{{2, 0, 0, 2, 0, 0}, 600, 200}, {{2, 0, 0, -2, 0, 800}, 200, 600}};
    for (const auto &c : cases) {
        Handle bitmap = FPDFBitmap_Create(600, 800, 1);
        ASSERT_NE(bitmap, 0u);
        EXPECT_TRUE(FPDFBitmap_FillRect(bitmap, 0, 0, 600, 800, 0));
        const float clip[4] = {0, 0, 600, 800};
        EXPECT_TRUE(FPDF_RenderPageBitmapWithMatrix(bitmap, page, c.matrix, clip, 0));
        void *pixels = FPDFBitmap_GetBuffer(bitmap);
        ASSERT_NE(pixels, nullptr);
        int stride = FPDFBitmap_GetStride(bitmap);
        ASSERT_EQ(stride, 600 * 4);
        EXPECT_EQ(at(pixels, stride, 300, c.lineRow).a, 255) << c.matrix[3];
        EXPECT_EQ(at(pixels, stride, 300, c.emptyRow).a, 0) << c.matrix[3]; // still transparent
        FPDFBitmap_Destroy(bitmap);
    }
}

TEST_F(Rendering, RefusesBitmapSizesOutOfRange) {
    struct {
        int width, height;
    } sizes[] = {{0, 10}, {10, 0}, {-5, 10}, {100000, 100000}, {0x7FFFFFFF, 1}};
    for (const auto &s : sizes)
        EXPECT_EQ(FPDFBitmap_Create(s.width, s.height, 1), 0u) << s.width << " x " << s.height;
    // The server is still there for a sane one.
    Handle ok = FPDFBitmap_Create(1, 1, 0);
    EXPECT_NE(ok, 0u);
    FPDFBitmap_Destroy(ok);
}

// A filled path put in front of the page's objects is drawn first: it becomes the
// background, and the page's own line stays on top of it.
TEST_F(Rendering, PrependedPathBecomesTheBackground) {
    Handle path = FPDFPageObj_CreateNewPath(0, 0);
    ASSERT_NE(path, 0u);
    EXPECT_NE(FPDFPath_LineTo(path, 0, 400), 0);
    EXPECT_NE(FPDFPath_LineTo(path, 300, 400), 0);
    EXPECT_NE(FPDFPath_LineTo(path, 300, 0), 0);
    EXPECT_NE(FPDFPath_Close(path), 0);
    EXPECT_NE(FPDFPath_SetFillColor(path, 255, 0, 0, 255), 0);
    EXPECT_EQ(FPDFPath_SetFillColor(path, 256, 0, 0, 255), 0); // out of range for the engine
    EXPECT_NE(FPDFPath_SetDrawMode(path, 2, 0), 0);
    EXPECT_TRUE(FPDFPage_PrependObject(page, path));
    // The page owns it now; it cannot be given to a page again.
    EXPECT_FALSE(FPDFPage_PrependObject(page, path));

    Handle bitmap = FPDFBitmap_Create(300, 400, 1);
    ASSERT_NE(bitmap, 0u);
    EXPECT_TRUE(FPDFBitmap_FillRect(bitmap, 0, 0, 300, 400, 0));
    EXPECT_TRUE(FPDF_RenderPageBitmap(bitmap, page, 0, 0, 300, 400, 0, 0));
    void *pixels = FPDFBitmap_GetBuffer(bitmap);
    ASSERT_NE(pixels, nullptr);
    Pixel background = at(pixels, 1200, 150, 380);
    EXPECT_EQ(background.r, 255);
    EXPECT_EQ(background.g, 0);
    EXPECT_EQ(background.a, 255);
    Pixel line = at(pixels, 1200, 150, 300);
    EXPECT_LT(line.r, 60);
    FPDFBitmap_Destroy(bitmap);

    // With its page gone, the path is gone too.
    FPDF_ClosePage(page);
    EXPECT_EQ(FPDFPath_MoveTo(path, 1, 1), 0);
}

} // namespace
