#include "fixtures.h"

#include <hpdf.h>

namespace fixtures {
namespace {

void onError(HPDF_STATUS error, HPDF_STATUS detail, void *data) {
    auto *message = static_cast<std::string *>(data);
    if (message->empty())
        *message = "libharu error " + std::to_string(error) + "/" + std::to_string(detail);
}

void text(HPDF_Page page, HPDF_Font font, float x, float y, const char *s) {
    HPDF_Page_BeginText(page);
    HPDF_Page_SetFontAndSize(page, font, 20);
    HPDF_Page_TextOut(page, x, y, s);
    HPDF_Page_EndText(page);
}

std::string write(const std::string &path, const char *userPassword) {
    std::string error;
    HPDF_Doc pdf = HPDF_New(onError, &error);
    if (!pdf)
        return "HPDF_New failed";
    HPDF_Font font = HPDF_GetFont(pdf, "Helvetica", nullptr);

    HPDF_Page one = HPDF_AddPage(pdf);
    HPDF_Page_SetWidth(one, 300);
    HPDF_Page_SetHeight(one, 400);
    HPDF_Page two = HPDF_AddPage(pdf);
    HPDF_Page_SetWidth(two, 200);
    HPDF_Page_SetHeight(two, 250);

    text(one, font, 50, 300, kPageOneText);
    HPDF_Page_SetLineWidth(one, 4);
    HPDF_Page_MoveTo(one, 20, 100);
    HPDF_Page_LineTo(one, 280, 100);
    HPDF_Page_Stroke(one);
    text(two, font, 20, 200, kPageTwoText);

    HPDF_Destination toTwo = HPDF_Page_CreateDestination(two);
    HPDF_Rect link{kLinkRect[0], kLinkRect[1], kLinkRect[2], kLinkRect[3]};
    HPDF_Page_CreateLinkAnnot(one, link, toTwo);
    HPDF_Rect uri{kUriRect[0], kUriRect[1], kUriRect[2], kUriRect[3]};
    HPDF_Page_CreateURILinkAnnot(one, uri, kUri);

    HPDF_Outline chapter = HPDF_CreateOutline(pdf, nullptr, kBookmarkTitle, nullptr);
    HPDF_Outline_SetDestination(chapter, toTwo);
    HPDF_AddPageLabel(pdf, 0, HPDF_PAGE_NUM_STYLE_DECIMAL, 1, "P-");
    HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, kTitle);

    if (userPassword) {
        HPDF_SetPassword(pdf, "owner-secret", userPassword);
        HPDF_SetEncryptionMode(pdf, HPDF_ENCRYPT_R3, 16);
    }
    HPDF_SaveToFile(pdf, path.c_str());
    HPDF_Free(pdf);
    return error;
}

} // namespace

std::string writeTwoPages(const std::string &path) { return write(path, nullptr); }

std::string writeEncrypted(const std::string &path, const char *userPassword) { return write(path, userPassword); }

} // namespace fixtures
