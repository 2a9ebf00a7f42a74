// Documents and pages through the binding and the real server.
#include "engine.h"
#include "fixtures.h"
#include "support.h"

#include <cstring>

namespace {

using namespace engine;

class Documents : public EngineTest {};

TEST_F(Documents, OpensAndMeasuresPages) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    EXPECT_EQ(FPDF_GetPageCount(doc), 2);

    struct {
        int index;
        double width, height;
    } pages[] = {{0, 300, 400}, {1, 200, 250}};
    for (const auto &p : pages) {
        Handle page = FPDF_LoadPage(doc, p.index);
        ASSERT_NE(page, 0u) << p.index;
        EXPECT_DOUBLE_EQ(FPDF_GetPageWidth(page), p.width);
        EXPECT_DOUBLE_EQ(FPDF_GetPageHeight(page), p.height);
        float box[4] = {-1, -1, -1, -1};
        EXPECT_NE(FPDFPage_GetMediaBox(page, &box[0], &box[1], &box[2], &box[3]), 0);
        EXPECT_FLOAT_EQ(box[0], 0);
        EXPECT_FLOAT_EQ(box[1], 0);
        EXPECT_FLOAT_EQ(box[2], p.width);
        EXPECT_FLOAT_EQ(box[3], p.height);
        FPDF_ClosePage(page);
    }
    EXPECT_EQ(FPDF_LoadPage(doc, 2), 0u);
    EXPECT_EQ(FPDF_LoadPage(doc, -1), 0u);
    FPDF_CloseDocument(doc);
}

// What the engine leaves unwritten stays as the caller had it: the fixture's pages have
// no crop box, so the engine reports failure and the sentinels survive.
TEST_F(Documents, UnwrittenOutputsKeepTheCallersValues) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    Handle page = FPDF_LoadPage(doc, 0);
    ASSERT_NE(page, 0u);
    float box[4] = {7, 7, 7, 7};
    EXPECT_EQ(FPDFPage_GetCropBox(page, &box[0], &box[1], &box[2], &box[3]), 0);
    for (float v : box)
        EXPECT_FLOAT_EQ(v, 7);
    // A missing output pointer is passed on as missing.
    EXPECT_EQ(FPDFPage_GetMediaBox(page, &box[0], nullptr, &box[2], &box[3]), 0);
    FPDF_CloseDocument(doc);
}

TEST_F(Documents, ReportsVersionPermissionsAndInformation) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(doc, 0u);
    int version = 0;
    EXPECT_NE(FPDF_GetFileVersion(doc, &version), 0);
    EXPECT_GE(version, 13); // "%PDF-1.x", reported as 1x
    EXPECT_LE(version, 17);
    EXPECT_EQ(FPDF_GetDocPermissions(doc), 0xFFFFFFFFul); // unencrypted: everything allowed

    // Length queries: asked without a buffer, then with one of exactly that size.
    unsigned long length = FPDF_GetMetaText(doc, "Title", nullptr, 0);
    ASSERT_EQ(length, (std::strlen(fixtures::kTitle) + 1) * 2);
    std::vector<unsigned short> title(length / 2, 0xFFFF);
    EXPECT_EQ(FPDF_GetMetaText(doc, "Title", title.data(), length), length);
    EXPECT_EQ(support::narrow(title.data(), title.size()), fixtures::kTitle);
    EXPECT_EQ(title.back(), 0);

    // A buffer too short gets nothing, as the engine copies only whole answers.
    std::vector<unsigned short> shortBuffer(4, 0xABCD);
    EXPECT_EQ(FPDF_GetMetaText(doc, "Title", shortBuffer.data(), 8), length);
    EXPECT_EQ(shortBuffer[0], 0xABCD);

    EXPECT_EQ(FPDF_GetMetaText(doc, "NoSuchEntry", nullptr, 0), 2u); // just the terminator

    struct {
        int index;
        const char *label;
    } labels[] = {{0, "P-1"}, {1, "P-2"}};
    for (const auto &l : labels) {
        unsigned long bytes = FPDF_GetPageLabel(doc, l.index, nullptr, 0);
        ASSERT_GT(bytes, 0u);
        std::vector<unsigned short> label(bytes / 2);
        EXPECT_EQ(FPDF_GetPageLabel(doc, l.index, label.data(), bytes), bytes);
        EXPECT_EQ(support::narrow(label.data(), label.size()), l.label);
    }
    FPDF_CloseDocument(doc);
}

TEST_F(Documents, ConvertsBetweenPageAndDevice) {
    Handle doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    Handle page = FPDF_LoadPage(doc, 0);
    ASSERT_NE(page, 0u);
    // A 300 x 400 page shown at 600 x 800: page y grows upward, device y downward.
    int x = -1, y = -1;
    EXPECT_TRUE(FPDF_PageToDevice(page, 0, 0, 600, 800, 0, 50.0, 300.0, &x, &y));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
    double px = -1, py = -1;
    EXPECT_TRUE(FPDF_DeviceToPage(page, 0, 0, 600, 800, 0, 100, 200, &px, &py));
    EXPECT_NEAR(px, 50.0, 1e-6);
    EXPECT_NEAR(py, 300.0, 1e-6);
    FPDF_CloseDocument(doc);
}

} // namespace
