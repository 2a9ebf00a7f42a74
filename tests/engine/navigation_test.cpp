// Bookmarks, links, actions and destinations through the binding.
#include "engine.h"
#include "fixtures.h"
#include "support.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace engine;

class Navigation : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        ASSERT_NE(doc, 0u);
    }
    Handle doc = 0;
};

TEST_F(Navigation, WalksTheOutline) {
    Handle first = FPDFBookmark_GetFirstChild(doc, 0);
    ASSERT_NE(first, 0u);
    // Reaching the same bookmark again gives the same handle.
    EXPECT_EQ(FPDFBookmark_GetFirstChild(doc, 0), first);
    EXPECT_EQ(FPDFBookmark_GetNextSibling(doc, first), 0u);
    EXPECT_EQ(FPDFBookmark_GetFirstChild(doc, first), 0u);

    unsigned long bytes = FPDFBookmark_GetTitle(first, nullptr, 0);
    ASSERT_EQ(bytes, (std::strlen(fixtures::kBookmarkTitle) + 1) * 2);
    std::vector<unsigned short> title(bytes / 2);
    EXPECT_EQ(FPDFBookmark_GetTitle(first, title.data(), bytes), bytes);
    EXPECT_EQ(support::narrow(title.data(), title.size()), fixtures::kBookmarkTitle);

    EXPECT_EQ(FPDFBookmark_GetAction(first), 0u);
    Handle dest = FPDFBookmark_GetDest(doc, first);
    ASSERT_NE(dest, 0u);
    EXPECT_EQ(FPDFDest_GetPageIndex(doc, dest), 1);
}

TEST_F(Navigation, EnumeratesLinksWithTheirTargets) {
    Handle page = FPDF_LoadPage(doc, 0);
    ASSERT_NE(page, 0u);
    int position = 0;
    Handle link = 0;
    std::vector<Handle> links;
    while (FPDFLink_Enumerate(page, &position, &link))
        links.push_back(link);
    ASSERT_EQ(links.size(), 2u);

    // Link annotations come in page order: the one to page 2, then the web link.
    float rect[4] = {0, 0, 0, 0};
    EXPECT_NE(FPDFLink_GetAnnotRect(links[0], rect), 0);
    EXPECT_FLOAT_EQ(rect[0], fixtures::kLinkRect[0]);
    EXPECT_FLOAT_EQ(rect[1], fixtures::kLinkRect[3]); // top
    EXPECT_FLOAT_EQ(rect[2], fixtures::kLinkRect[2]);
    EXPECT_FLOAT_EQ(rect[3], fixtures::kLinkRect[1]); // bottom
    Handle dest = FPDFLink_GetDest(doc, links[0]);
    ASSERT_NE(dest, 0u);
    EXPECT_EQ(FPDFDest_GetPageIndex(doc, dest), 1);

    EXPECT_EQ(FPDFLink_GetDest(doc, links[1]), 0u);
    Handle action = FPDFLink_GetAction(links[1]);
    ASSERT_NE(action, 0u);
    EXPECT_EQ(FPDFAction_GetType(action), 3u); // URI
    unsigned long bytes = FPDFAction_GetURIPath(doc, action, nullptr, 0);
    ASSERT_EQ(bytes, std::strlen(fixtures::kUri) + 1);
    std::string uri(bytes, '\x7F');
    EXPECT_EQ(FPDFAction_GetURIPath(doc, action, uri.data(), bytes), bytes);
    EXPECT_STREQ(uri.c_str(), fixtures::kUri);
    EXPECT_EQ(FPDFAction_GetFilePath(action, nullptr, 0), 0u); // not a file action

    // The links belong to their page: when it closes, they are gone.
    FPDF_ClosePage(page);
    EXPECT_EQ(FPDFLink_GetAnnotRect(links[0], rect), 0);
    EXPECT_EQ(FPDFAction_GetType(action), 0u);
}

} // namespace
