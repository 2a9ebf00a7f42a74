// Handles: only a live handle of the right kind, issued on this connection, reaches the
// engine; anything else yields the defaults and leaves the caller's memory alone.
#include "engine.h"
#include "support.h"

#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace engine;

class Handles : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        doc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        ASSERT_NE(doc, 0u);
        page = FPDF_LoadPage(doc, 0);
        text = FPDFText_LoadPage(page);
        bitmap = FPDFBitmap_Create(10, 10, 1);
        bookmark = FPDFBookmark_GetFirstChild(doc, 0);
        path = FPDFPageObj_CreateNewPath(0, 0);
        ASSERT_NE(page, 0u);
        ASSERT_NE(text, 0u);
        ASSERT_NE(bitmap, 0u);
        ASSERT_NE(bookmark, 0u);
        ASSERT_NE(path, 0u);
    }
    Handle doc = 0, page = 0, text = 0, bitmap = 0, bookmark = 0, path = 0;
};

TEST_F(Handles, OnlyLiveHandlesOfTheRightKindReachTheEngine) {
    // Stale handles: a closed page, and the document of a closed second copy.
    Handle closedPage = FPDF_LoadPage(doc, 1);
    ASSERT_NE(closedPage, 0u);
    FPDF_ClosePage(closedPage);
    Handle closedDoc = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(closedDoc, 0u);
    FPDF_CloseDocument(closedDoc);

    struct {
        const char *kind;
        Handle valid;
        double (*probe)(Handle);
    } probes[] = {
        {"document", doc, [](Handle h) { return double(FPDF_GetPageCount(h)); }},
        {"page", page, [](Handle h) { return FPDF_GetPageWidth(h); }},
        {"text page", text, [](Handle h) { return double(FPDFText_CountChars(h)); }},
        {"bitmap", bitmap, [](Handle h) { return double(FPDFBitmap_GetStride(h)); }},
        {"bookmark", bookmark, [](Handle h) { return double(FPDFBookmark_GetTitle(h, nullptr, 0)); }},
        {"path", path, [](Handle h) { return double(FPDFPath_LineTo(h, 1, 1)); }},
    };
    const Handle others[] = {doc,        page,      text,       bitmap,          bookmark,
                             path,       closedPage, closedDoc, 0,               1,
                             0xDEADBEEF, ~Handle{0}, doc + 1,   doc ^ (Handle{1} << 50)};
    for (const auto &p : probes) {
        ASSERT_NE(p.probe(p.valid), 0.0) << p.kind;
        for (Handle h : others) {
            if (h != p.valid) {
                EXPECT_EQ(p.probe(h), 0.0) << p.kind << " probed with " << std::hex << h;
            }
        }
    }

    // Refused calls leave outputs as they were.
    float box[4] = {5, 5, 5, 5};
    EXPECT_EQ(FPDFPage_GetMediaBox(doc, &box[0], &box[1], &box[2], &box[3]), 0);
    for (float v : box)
        EXPECT_FLOAT_EQ(v, 5);
    std::vector<unsigned short> buffer(8, 0x1234);
    EXPECT_EQ(FPDFText_GetText(page, 0, 4, buffer.data()), 0);
    EXPECT_EQ(buffer[0], 0x1234);
    EXPECT_FALSE(FPDF_RenderPageBitmap(page, bitmap, 0, 0, 10, 10, 0, 0)); // arguments swapped
    EXPECT_EQ(FPDFBitmap_GetBuffer(page), nullptr);
}

// Objects of one document are refused with another document.
TEST_F(Handles, ObjectsStayWithTheirDocument) {
    Handle other = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    ASSERT_NE(other, 0u);
    Handle dest = FPDFBookmark_GetDest(doc, bookmark);
    ASSERT_NE(dest, 0u);
    EXPECT_EQ(FPDFDest_GetPageIndex(doc, dest), 1);
    EXPECT_EQ(FPDFBookmark_GetDest(other, bookmark), 0u);
    EXPECT_EQ(FPDFDest_GetPageIndex(other, dest), 0);
    EXPECT_EQ(FPDFBookmark_GetNextSibling(other, bookmark), 0u);
    EXPECT_EQ(FPDFBookmark_GetFirstChild(other, bookmark), 0u);
}

// Closing a document closes what hangs off it, searches before text pages before pages,
// and the server lives on.
TEST_F(Handles, ClosingADocumentReleasesWhatItOwns) {
    std::vector<unsigned short> what = support::utf16("engine");
    Handle search = FPDFText_FindStart(text, what.data(), 0, 0);
    ASSERT_NE(search, 0u);
    int position = 0;
    Handle link = 0;
    ASSERT_NE(FPDFLink_Enumerate(page, &position, &link), 0);
    pid_t server = support::pidFile(runtime);

    FPDF_CloseDocument(doc);
    EXPECT_EQ(FPDFText_FindNext(search), 0);
    EXPECT_EQ(FPDFText_CountChars(text), 0);
    EXPECT_EQ(FPDF_GetPageWidth(page), 0.0);
    EXPECT_EQ(FPDFBookmark_GetTitle(bookmark, nullptr, 0), 0u);
    float rect[4];
    EXPECT_EQ(FPDFLink_GetAnnotRect(link, rect), 0);
    // Not owned by the document: the bitmap and the free path.
    EXPECT_EQ(FPDFBitmap_GetStride(bitmap), 40);
    EXPECT_NE(FPDFPath_LineTo(path, 2, 2), 0);

    EXPECT_TRUE(support::alive(server));
    EXPECT_EQ(support::pidFile(runtime), server);
}

// Dropping the connection with everything still open releases it all in a safe order:
// the same server goes on serving.
TEST_F(Handles, DroppingTheConnectionReleasesEverything) {
    std::vector<unsigned short> what = support::utf16("o");
    ASSERT_NE(FPDFText_FindStart(text, what.data(), 0, 0), 0u);
    ASSERT_NE(FPDFLink_GetDest(doc, [&] {
                  int position = 0;
                  Handle link = 0;
                  FPDFLink_Enumerate(page, &position, &link);
                  return link;
              }()),
              0u);
    Handle background = FPDFPageObj_CreateNewPath(0, 0);
    ASSERT_TRUE(FPDFPage_PrependObject(page, background));
    pid_t server = support::pidFile(runtime);

    Close();
    EXPECT_EQ(FPDF_GetPageCount(doc), 0); // a handle of the dropped connection
    Handle again = FPDF_LoadDocument(twoPages.c_str(), nullptr);
    EXPECT_EQ(FPDF_GetPageCount(again), 2);
    EXPECT_EQ(support::pidFile(runtime), server);
    EXPECT_TRUE(support::alive(server));
}

// Another client of the same server cannot use this client's handles.
TEST_F(Handles, AreGoodOnlyOnTheirConnection) {
    int toParent[2], toChild[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(toChild), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Its own connection: the inherited one is dropped first.
        Close();
        Handle mine = FPDF_LoadDocument(twoPages.c_str(), nullptr);
        int count = FPDF_GetPageCount(mine);
        ssize_t ignored = write(toParent[1], &mine, sizeof mine);
        ignored = write(toParent[1], &count, sizeof count);
        char done;
        ignored = read(toChild[0], &done, 1);
        (void)ignored;
        _exit(0);
    }
    Handle theirs = 0;
    int theirCount = 0;
    ASSERT_EQ(read(toParent[0], &theirs, sizeof theirs), static_cast<ssize_t>(sizeof theirs));
    ASSERT_EQ(read(toParent[0], &theirCount, sizeof theirCount), static_cast<ssize_t>(sizeof theirCount));
    EXPECT_EQ(theirCount, 2);
    ASSERT_NE(theirs, 0u);
    EXPECT_NE(theirs, doc);
    EXPECT_EQ(FPDF_GetPageCount(theirs), 0);
    EXPECT_EQ(FPDF_GetPageCount(doc), 2);
    ASSERT_EQ(write(toChild[1], "x", 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]})
        close(fd);
}

} // namespace
