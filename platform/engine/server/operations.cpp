// The engine operations: each handler runs one engine function for a decoded call whose
// handles the dispatcher has already checked, and registers the objects it hands out.
#include "call.h"
#include "charset.h"
#include "pdfium.h"
#include "shared_bitmap.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <limits.h>
#include <string_view>
#include <unistd.h>

namespace engine::server {

void Call::number(double v) { std::memcpy(&result, &v, sizeof v); }

namespace {

using protocol::Kind;

// Pointer to an output the caller supplied, or null when it passed none.
template <typename T> T *out(Argument &a, T &field) { return a.present ? &field : nullptr; }

// ------------------------------------------------------------------ documents

bool loadDocument(Call &c) {
    Session &s = *c.session;
    c.result = 0;
    // Names arrive in the system character set; the file system wants UTF-8. A name that
    // cannot be converted must not be passed on as it is: it could name another file.
    char name[PATH_MAX];
    if (!c.args[0].text || protocol::systemToUtf8(c.args[0].text, name, sizeof name) != 0 || !name[0]) {
        s.lastError = FPDF_ERR_FILE;
        return true;
    }
    PdfDocument *document = FPDF_LoadDocument(name, c.args[1].text);
    if (!document) {
        s.lastError = FPDF_GetLastError();
        return true;
    }
    s.lastError = FPDF_ERR_SUCCESS;
    c.result = c.handles().add(Kind::Document, document, 0, 0, false);
    if (!c.result)
        s.lastError = FPDF_ERR_UNKNOWN;
    return true;
}

bool closeDocument(Call &c) {
    c.handles().release(c.args[0].ref);
    return true;
}

bool getPageCount(Call &c) {
    c.word(FPDF_GetPageCount(c.object<PdfDocument>(0)));
    return true;
}

bool getFileVersion(Call &c) {
    Argument &v = c.args[1];
    c.word(FPDF_GetFileVersion(c.object<PdfDocument>(0), out(v, v.out.i)));
    return true;
}

bool getDocPermissions(Call &c) {
    c.word(static_cast<int64_t>(FPDF_GetDocPermissions(c.object<PdfDocument>(0))));
    return true;
}

// The engine's "length query" shape: called without a buffer it returns the bytes it
// needs, and it copies only into a buffer at least that long. The server asks first, so
// it never holds more than the answer however large the caller says its buffer is.
template <typename Query> bool lengthQuery(Call &c, size_t bufferArg, size_t lengthArg, Query query) {
    const Argument &buffer = c.args[bufferArg];
    unsigned long length = static_cast<unsigned long>(c.args[lengthArg].in.ul);
    unsigned long needed = query(nullptr, 0);
    unsigned long result = needed;
    if (buffer.present && needed > 0 && length >= needed) {
        c.buffer.resize(needed);
        result = query(c.buffer.data(), needed);
        c.bufferBytes = std::min<uint64_t>({result, needed, buffer.capacity});
    }
    c.word(static_cast<int64_t>(result));
    return true;
}

bool getMetaText(Call &c) {
    const char *tag = c.args[1].text;
    if (!tag)
        return false;
    PdfDocument *document = c.object<PdfDocument>(0);
    return lengthQuery(c, 2, 3, [&](void *buffer, unsigned long length) {
        return FPDF_GetMetaText(document, tag, buffer, length);
    });
}

bool getPageLabel(Call &c) {
    PdfDocument *document = c.object<PdfDocument>(0);
    int index = c.args[1].in.i;
    return lengthQuery(c, 2, 3, [&](void *buffer, unsigned long length) {
        return FPDF_GetPageLabel(document, index, buffer, length);
    });
}

bool getLastError(Call &c) {
    c.word(static_cast<int64_t>(c.session->lastError));
    return true;
}

bool setLastError(Call &c) {
    c.session->lastError = static_cast<unsigned long>(c.args[0].in.ul);
    return true;
}

// ---------------------------------------------------------------------- pages

bool loadPage(Call &c) {
    Ref document = c.args[0].ref;
    PdfPage *page = FPDF_LoadPage(c.object<PdfDocument>(0), c.args[1].in.i);
    c.result = c.handles().add(Kind::Page, page, document, document, false);
    return true;
}

bool closePage(Call &c) {
    c.handles().release(c.args[0].ref);
    return true;
}

bool getPageWidth(Call &c) {
    c.number(FPDF_GetPageWidth(c.object<PdfPage>(0)));
    return true;
}

bool getPageHeight(Call &c) {
    c.number(FPDF_GetPageHeight(c.object<PdfPage>(0)));
    return true;
}

template <FPDF_BOOL (*Box)(PdfPage *, float *, float *, float *, float *)> bool getBox(Call &c) {
    Argument *a = c.args;
    c.word(Box(c.object<PdfPage>(0), out(a[1], a[1].out.f), out(a[2], a[2].out.f), out(a[3], a[3].out.f),
               out(a[4], a[4].out.f)));
    return true;
}

bool deviceToPage(Call &c) {
    Argument *a = c.args;
    c.word(FPDF_DeviceToPage(c.object<PdfPage>(0), a[1].in.i, a[2].in.i, a[3].in.i, a[4].in.i, a[5].in.i,
                             a[6].in.i, a[7].in.i, out(a[8], a[8].out.d), out(a[9], a[9].out.d)));
    return true;
}

bool pageToDevice(Call &c) {
    Argument *a = c.args;
    c.word(FPDF_PageToDevice(c.object<PdfPage>(0), a[1].in.i, a[2].in.i, a[3].in.i, a[4].in.i, a[5].in.i,
                             a[6].in.d, a[7].in.d, out(a[8], a[8].out.i), out(a[9], a[9].out.i)));
    return true;
}

// -------------------------------------------------------------------- bitmaps

bool createBitmap(Call &c) {
    c.result = 0;
    SharedBitmap shared;
    if (createSharedBitmap(c.args[0].in.i, c.args[1].in.i, c.args[2].in.i != 0, c.handles(), &shared) != 0)
        return true;
    // The slot keeps the memfd, so the pages can serve a later bitmap; the client gets its own descriptor.
    int passed = dup(shared.fd);
    Ref ref = 0;
    uint64_t handle = passed >= 0 ? c.handles().add(Kind::Bitmap, shared.bitmap, 0, 0, false, &ref) : 0;
    if (!handle) {
        if (passed >= 0)
            close(passed);
        else
            FPDFBitmap_Destroy(shared.bitmap);
        releaseSharedPixels(shared);
        return true;
    }
    c.handles().at(ref).pixels = shared.pixels;
    c.handles().at(ref).pixelBytes = shared.bytes;
    c.handles().at(ref).pixelFd = shared.fd;
    c.passFd = passed;
    c.result = handle;
    return true;
}

bool fillRect(Call &c) {
    Argument *a = c.args;
    c.word(FPDFBitmap_FillRect(c.object<PdfBitmap>(0), a[1].in.i, a[2].in.i, a[3].in.i, a[4].in.i, a[5].in.u));
    return true;
}

bool renderPageBitmap(Call &c) {
    Argument *a = c.args;
    FPDF_RenderPageBitmap(c.object<PdfBitmap>(0), c.object<PdfPage>(1), a[2].in.i, a[3].in.i, a[4].in.i,
                          a[5].in.i, a[6].in.i, a[7].in.i);
    return true;
}

bool renderPageBitmapWithMatrix(Call &c) {
    Argument *a = c.args;
    PdfMatrix matrix;
    std::memcpy(&matrix, a[2].floats, sizeof matrix);
    PdfRectF clip;
    std::memcpy(&clip, a[3].floats, sizeof clip);
    FPDF_RenderPageBitmapWithMatrix(c.object<PdfBitmap>(0), c.object<PdfPage>(1), a[2].present ? &matrix : nullptr,
                                    a[3].present ? &clip : nullptr, a[4].in.i);
    return true;
}

bool destroyBitmap(Call &c) {
    c.handles().release(c.args[0].ref);
    return true;
}

// The pixels are the shared mapping the client already holds; the reply only confirms
// that the bitmap is alive (its size in bytes).
bool getBitmapBuffer(Call &c) {
    c.word(static_cast<int64_t>(c.slot(0).pixelBytes));
    return true;
}

bool getBitmapStride(Call &c) {
    c.word(FPDFBitmap_GetStride(c.object<PdfBitmap>(0)));
    return true;
}

// ---------------------------------------------------------------------- paths

bool createNewPath(Call &c) {
    PdfPageObject *path = FPDFPageObj_CreateNewPath(c.args[0].in.f, c.args[1].in.f);
    c.result = c.handles().add(Kind::PageObject, path, 0, 0, false);
    return true;
}

bool pathMoveTo(Call &c) {
    c.word(FPDFPath_MoveTo(c.object<PdfPageObject>(0), c.args[1].in.f, c.args[2].in.f));
    return true;
}

bool pathLineTo(Call &c) {
    c.word(FPDFPath_LineTo(c.object<PdfPageObject>(0), c.args[1].in.f, c.args[2].in.f));
    return true;
}

bool pathClose(Call &c) {
    c.word(FPDFPath_Close(c.object<PdfPageObject>(0)));
    return true;
}

bool pathSetFillColor(Call &c) {
    Argument *a = c.args;
    c.word(FPDFPageObj_SetFillColor(c.object<PdfPageObject>(0), a[1].in.u, a[2].in.u, a[3].in.u, a[4].in.u));
    return true;
}

bool pathSetDrawMode(Call &c) {
    c.word(FPDFPath_SetDrawMode(c.object<PdfPageObject>(0), c.args[1].in.i, c.args[2].in.i));
    return true;
}

// Inserts the object in front of the page's objects, so it is drawn first. The page owns
// it from then on; an object already given to a page cannot be given again.
bool prependObject(Call &c) {
    Slot &object = c.slot(1);
    if (object.inserted)
        return false;
    Ref page = c.args[0].ref;
    if (FPDFPage_InsertObjectAtIndex(c.object<PdfPage>(0), c.object<PdfPageObject>(1), 0)) {
        object.inserted = true;
        object.document = c.slot(0).document;
        c.handles().adopt(c.args[1].ref, page);
    }
    return true;
}

// ----------------------------------------------------------------------- text

bool loadTextPage(Call &c) {
    Ref page = c.args[0].ref;
    PdfTextPage *text = FPDFText_LoadPage(c.object<PdfPage>(0));
    c.result = c.handles().add(Kind::TextPage, text, page, c.slot(0).document, false);
    return true;
}

bool closeTextPage(Call &c) {
    c.handles().release(c.args[0].ref);
    return true;
}

// Both names count the characters FPDFText_GetText indexes.
bool countChars(Call &c) {
    c.word(FPDFText_CountChars(c.object<PdfTextPage>(0)));
    return true;
}

bool getText(Call &c) {
    PdfTextPage *text = c.object<PdfTextPage>(0);
    int start = c.args[1].in.i;
    int count = c.args[2].in.i;
    const Argument &buffer = c.args[3];
    if (!buffer.present) {
        c.word(FPDFText_GetText(text, start, count, nullptr));
        return true;
    }
    // The engine writes at most min(count, characters left) units and a terminator.
    int left = start >= 0 ? FPDFText_CountChars(text) - start : 0;
    size_t units = start < 0 || count < 0 || left <= 0 ? 0 : static_cast<size_t>(std::min(count, left));
    c.buffer.resize((units + 1) * sizeof(unsigned short));
    int written = FPDFText_GetText(text, start, count, reinterpret_cast<unsigned short *>(c.buffer.data()));
    c.word(written);
    if (written > 0)
        c.bufferBytes = std::min<uint64_t>({static_cast<uint64_t>(written) * 2, c.buffer.size(), buffer.capacity});
    return true;
}

bool getCharBox(Call &c) {
    Argument *a = c.args;
    c.word(FPDFText_GetCharBox(c.object<PdfTextPage>(0), a[1].in.i, out(a[2], a[2].out.d), out(a[3], a[3].out.d),
                               out(a[4], a[4].out.d), out(a[5], a[5].out.d)));
    return true;
}

bool getCharOrigin(Call &c) {
    Argument *a = c.args;
    c.word(FPDFText_GetCharOrigin(c.object<PdfTextPage>(0), a[1].in.i, out(a[2], a[2].out.d),
                                  out(a[3], a[3].out.d)));
    return true;
}

bool getCharIndexAtPos(Call &c) {
    Argument *a = c.args;
    c.word(FPDFText_GetCharIndexAtPos(c.object<PdfTextPage>(0), a[1].in.d, a[2].in.d, a[3].in.d, a[4].in.d));
    return true;
}

bool countRects(Call &c) {
    c.word(FPDFText_CountRects(c.object<PdfTextPage>(0), c.args[1].in.i, c.args[2].in.i));
    return true;
}

bool getRect(Call &c) {
    Argument *a = c.args;
    c.word(FPDFText_GetRect(c.object<PdfTextPage>(0), a[1].in.i, out(a[2], a[2].out.d), out(a[3], a[3].out.d),
                            out(a[4], a[4].out.d), out(a[5], a[5].out.d)));
    return true;
}

bool getBoundedText(Call &c) {
    PdfTextPage *text = c.object<PdfTextPage>(0);
    Argument *a = c.args;
    double left = a[1].in.d, top = a[2].in.d, right = a[3].in.d, bottom = a[4].in.d;
    int length = a[6].in.i;
    // Without a buffer the engine answers with the text's length in units.
    int needed = FPDFText_GetBoundedText(text, left, top, right, bottom, nullptr, 0);
    if (!a[5].present || length <= 0) {
        c.word(needed);
        return true;
    }
    // It copies at most the text and its terminator.
    int units = std::min(length, needed + 1);
    c.buffer.resize(static_cast<size_t>(units) * sizeof(unsigned short));
    int written = FPDFText_GetBoundedText(text, left, top, right, bottom,
                                          reinterpret_cast<unsigned short *>(c.buffer.data()), units);
    c.word(written);
    if (written > 0)
        c.bufferBytes = std::min<uint64_t>({static_cast<uint64_t>(written) * 2, c.buffer.size(), a[5].capacity});
    return true;
}

bool findStart(Call &c) {
    if (!c.args[1].wide)
        return false;
    Ref text = c.args[0].ref;
    PdfSearch *search = FPDFText_FindStart(c.object<PdfTextPage>(0), c.args[1].wide,
                                           static_cast<unsigned long>(c.args[2].in.ul), c.args[3].in.i);
    c.result = c.handles().add(Kind::Search, search, text, c.slot(0).document, false);
    return true;
}

template <FPDF_BOOL (*Step)(PdfSearch *)> bool findStep(Call &c) {
    c.word(Step(c.object<PdfSearch>(0)));
    return true;
}

template <int (*Query)(PdfSearch *)> bool searchQuery(Call &c) {
    c.word(Query(c.object<PdfSearch>(0)));
    return true;
}

bool findClose(Call &c) {
    c.handles().release(c.args[0].ref);
    return true;
}

// ------------------------------------------------- bookmarks, actions, links

// Objects that live inside a document are registered under the document or page they
// were reached from: when that closes, they go with it.
Ref anchorOf(Call &c, size_t arg) {
    Slot &s = c.slot(arg);
    return s.borrowed ? s.owner : c.args[arg].ref;
}

uint64_t borrow(Call &c, Kind kind, void *object, Ref anchor) {
    return c.handles().add(kind, object, anchor, c.handles().at(anchor).document, true);
}

bool bookmarkFirstChild(Call &c) {
    PdfBookmark *child = FPDFBookmark_GetFirstChild(c.object<PdfDocument>(0), c.object<PdfBookmark>(1));
    c.result = borrow(c, Kind::Bookmark, child, c.args[0].ref);
    return true;
}

bool bookmarkNextSibling(Call &c) {
    PdfBookmark *next = FPDFBookmark_GetNextSibling(c.object<PdfDocument>(0), c.object<PdfBookmark>(1));
    c.result = borrow(c, Kind::Bookmark, next, c.args[0].ref);
    return true;
}

bool bookmarkTitle(Call &c) {
    PdfBookmark *bookmark = c.object<PdfBookmark>(0);
    return lengthQuery(c, 1, 2, [&](void *buffer, unsigned long length) {
        return FPDFBookmark_GetTitle(bookmark, buffer, length);
    });
}

bool bookmarkDest(Call &c) {
    PdfDest *dest = FPDFBookmark_GetDest(c.object<PdfDocument>(0), c.object<PdfBookmark>(1));
    c.result = borrow(c, Kind::Dest, dest, c.args[0].ref);
    return true;
}

bool bookmarkAction(Call &c) {
    PdfAction *action = FPDFBookmark_GetAction(c.object<PdfBookmark>(0));
    c.result = borrow(c, Kind::Action, action, anchorOf(c, 0));
    return true;
}

bool linkAction(Call &c) {
    PdfAction *action = FPDFLink_GetAction(c.object<PdfLink>(0));
    c.result = borrow(c, Kind::Action, action, anchorOf(c, 0));
    return true;
}

bool actionType(Call &c) {
    c.word(static_cast<int64_t>(FPDFAction_GetType(c.object<PdfAction>(0))));
    return true;
}

bool actionDest(Call &c) {
    PdfDest *dest = FPDFAction_GetDest(c.object<PdfDocument>(0), c.object<PdfAction>(1));
    c.result = borrow(c, Kind::Dest, dest, anchorOf(c, 1));
    return true;
}

bool actionFilePath(Call &c) {
    PdfAction *action = c.object<PdfAction>(0);
    return lengthQuery(c, 1, 2, [&](void *buffer, unsigned long length) {
        return FPDFAction_GetFilePath(action, buffer, length);
    });
}

bool actionURIPath(Call &c) {
    PdfDocument *document = c.object<PdfDocument>(0);
    PdfAction *action = c.object<PdfAction>(1);
    return lengthQuery(c, 2, 3, [&](void *buffer, unsigned long length) {
        return FPDFAction_GetURIPath(document, action, buffer, length);
    });
}

bool destPageIndex(Call &c) {
    c.word(FPDFDest_GetDestPageIndex(c.object<PdfDocument>(0), c.object<PdfDest>(1)));
    return true;
}

bool linkDest(Call &c) {
    PdfDest *dest = FPDFLink_GetDest(c.object<PdfDocument>(0), c.object<PdfLink>(1));
    c.result = borrow(c, Kind::Dest, dest, anchorOf(c, 1));
    return true;
}

bool linkEnumerate(Call &c) {
    Argument *a = c.args;
    PdfLink *link = nullptr;
    FPDF_BOOL found = FPDFLink_Enumerate(c.object<PdfPage>(0), out(a[1], a[1].out.i), a[2].present ? &link : nullptr);
    if (link)
        a[2].out.h = borrow(c, Kind::Link, link, a[0].ref);
    c.word(found);
    return true;
}

bool linkAnnotRect(Call &c) {
    Argument &r = c.args[1];
    PdfRectF rect;
    std::memcpy(&rect, r.out.f4, sizeof rect);
    c.word(FPDFLink_GetAnnotRect(c.object<PdfLink>(0), r.present ? &rect : nullptr));
    std::memcpy(r.out.f4, &rect, sizeof rect);
    return true;
}

} // namespace

const HandlerRow kHandlers[protocol::kOperationCount] = {
    {"FPDF_LoadDocument", loadDocument},
    {"FPDF_CloseDocument", closeDocument},
    {"FPDF_GetPageCount", getPageCount},
    {"FPDF_LoadPage", loadPage},
    {"FPDF_ClosePage", closePage},
    {"FPDF_GetPageWidth", getPageWidth},
    {"FPDF_GetPageHeight", getPageHeight},
    {"FPDFBitmap_Create", createBitmap},
    {"FPDFBitmap_FillRect", fillRect},
    {"FPDF_RenderPageBitmap", renderPageBitmap},
    {"FPDF_RenderPageBitmapWithMatrix", renderPageBitmapWithMatrix},
    {"FPDFBitmap_Destroy", destroyBitmap},
    {"FPDFBitmap_GetBuffer", getBitmapBuffer},
    {"FPDFBitmap_GetStride", getBitmapStride},
    {"FPDFPageObj_CreateNewPath", createNewPath},
    {"FPDFPath_MoveTo", pathMoveTo},
    {"FPDFPath_LineTo", pathLineTo},
    {"FPDFPath_Close", pathClose},
    {"FPDFPath_SetFillColor", pathSetFillColor},
    {"FPDFPath_SetDrawMode", pathSetDrawMode},
    {"FPDFPage_PrependObject", prependObject},
    {"FPDFPage_GetMediaBox", getBox<FPDFPage_GetMediaBox>},
    {"FPDFPage_GetCropBox", getBox<FPDFPage_GetCropBox>},
    {"FPDFText_LoadPage", loadTextPage},
    {"FPDFText_ClosePage", closeTextPage},
    {"FPDFText_CountChars", countChars},
    {"FPDFText_CountTextChars", countChars},
    {"FPDFText_GetText", getText},
    {"FPDFText_GetCharBox", getCharBox},
    {"FPDFText_GetCharOrigin", getCharOrigin},
    {"FPDFText_GetCharIndexAtPos", getCharIndexAtPos},
    {"FPDFText_CountRects", countRects},
    {"FPDFText_GetRect", getRect},
    {"FPDFText_GetBoundedText", getBoundedText},
    {"FPDFText_FindStart", findStart},
    {"FPDFText_FindNext", findStep<FPDFText_FindNext>},
    {"FPDFText_FindPrev", findStep<FPDFText_FindPrev>},
    {"FPDFText_GetSchResultIndex", searchQuery<FPDFText_GetSchResultIndex>},
    {"FPDFText_GetSchCount", searchQuery<FPDFText_GetSchCount>},
    {"FPDFText_FindClose", findClose},
    {"FPDFBookmark_GetFirstChild", bookmarkFirstChild},
    {"FPDFBookmark_GetNextSibling", bookmarkNextSibling},
    {"FPDFBookmark_GetTitle", bookmarkTitle},
    {"FPDFBookmark_GetDest", bookmarkDest},
    {"FPDFBookmark_GetAction", bookmarkAction},
    {"FPDFLink_GetAction", linkAction},
    {"FPDFAction_GetType", actionType},
    {"FPDFAction_GetDest", actionDest},
    {"FPDFAction_GetFilePath", actionFilePath},
    {"FPDFAction_GetURIPath", actionURIPath},
    {"FPDFDest_GetPageIndex", destPageIndex},
    {"FPDFLink_GetDest", linkDest},
    {"FPDFLink_Enumerate", linkEnumerate},
    {"FPDFLink_GetAnnotRect", linkAnnotRect},
    {"FPDF_GetMetaText", getMetaText},
    {"FPDF_GetPageLabel", getPageLabel},
    {"FPDF_GetFileVersion", getFileVersion},
    {"FPDF_GetDocPermissions", getDocPermissions},
    {"FPDF_GetLastError", getLastError},
    {"FPDF_SetLastError", setLastError},
    {"FPDF_DeviceToPage", deviceToPage},
    {"FPDF_PageToDevice", pageToDevice},
};

bool handlersMatchSignatures() {
    for (size_t i = 0; i < protocol::kOperationCount; ++i)
        if (std::string_view(kHandlers[i].name) != protocol::kOperations[i].name)
            return false;
    return true;
}

} // namespace engine::server
