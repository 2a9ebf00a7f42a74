#include "operations.h"

#include <initializer_list>

namespace engine::protocol {
namespace {

constexpr Param handle(Kind kind) { return {Field::Handle, kind}; }
constexpr Param handleOrNull(Kind kind) { return {Field::HandleOrNull, kind}; }
constexpr Param value(Field field) { return {field, Kind::None}; }

constexpr Param kInt = value(Field::Int);
constexpr Param kUInt = value(Field::UInt);
constexpr Param kULong = value(Field::ULong);
constexpr Param kFloat = value(Field::Float);
constexpr Param kDouble = value(Field::Double);
constexpr Param kText = value(Field::Text);
constexpr Param kWideText = value(Field::WideText);
constexpr Param kRectIn = value(Field::Floats4In);
constexpr Param kMatrixIn = value(Field::Floats6In);
constexpr Param kOutInt = value(Field::OutInt);
constexpr Param kInOutInt = value(Field::InOutInt);
constexpr Param kOutFloat = value(Field::OutFloat);
constexpr Param kOutDouble = value(Field::OutDouble);
constexpr Param kOutRect = value(Field::OutFloats4);
constexpr Param kOutBuffer = value(Field::OutBuffer);

constexpr Param kDocument = handle(Kind::Document);
constexpr Param kPage = handle(Kind::Page);
constexpr Param kTextPage = handle(Kind::TextPage);
constexpr Param kSearch = handle(Kind::Search);
constexpr Param kBitmap = handle(Kind::Bitmap);
constexpr Param kPath = handle(Kind::PageObject);
constexpr Param kBookmark = handle(Kind::Bookmark);
constexpr Param kAction = handle(Kind::Action);
constexpr Param kDest = handle(Kind::Dest);
constexpr Param kLink = handle(Kind::Link);

struct Row {
    Op op;
    Operation operation;
};

constexpr Row row(Op op, const char *name, Result result, Kind kind, std::initializer_list<Param> params) {
    Operation o{name, result, kind, static_cast<uint8_t>(params.size()), {}};
    size_t i = 0;
    for (const Param &p : params)
        o.params[i++] = p;
    return {op, o};
}

// The row's enumerator and its name are written once, so they cannot drift apart.
#define ROW(op, result, kind, ...) row(Op::op, #op, Result::result, Kind::kind, {__VA_ARGS__})

constexpr Row kRows[] = {
    ROW(FPDF_LoadDocument, Word, Document, kText, kText),
    ROW(FPDF_CloseDocument, None, None, kDocument),
    ROW(FPDF_GetPageCount, Word, None, kDocument),
    ROW(FPDF_LoadPage, Word, Page, kDocument, kInt),
    ROW(FPDF_ClosePage, None, None, kPage),
    ROW(FPDF_GetPageWidth, Double, None, kPage),
    ROW(FPDF_GetPageHeight, Double, None, kPage),
    ROW(FPDFBitmap_Create, Word, Bitmap, kInt, kInt, kInt),
    ROW(FPDFBitmap_FillRect, Raw, None, kBitmap, kInt, kInt, kInt, kInt, kUInt),
    ROW(FPDF_RenderPageBitmap, Raw, None, kBitmap, kPage, kInt, kInt, kInt, kInt, kInt, kInt),
    ROW(FPDF_RenderPageBitmapWithMatrix, Raw, None, kBitmap, kPage, kMatrixIn, kRectIn, kInt),
    ROW(FPDFBitmap_Destroy, None, None, kBitmap),
    ROW(FPDFBitmap_GetBuffer, Word, None, kBitmap),
    ROW(FPDFBitmap_GetStride, Word, None, kBitmap),
    ROW(FPDFPageObj_CreateNewPath, Word, PageObject, kFloat, kFloat),
    ROW(FPDFPath_MoveTo, Word, None, kPath, kFloat, kFloat),
    ROW(FPDFPath_LineTo, Word, None, kPath, kFloat, kFloat),
    ROW(FPDFPath_Close, Word, None, kPath),
    ROW(FPDFPath_SetFillColor, Word, None, kPath, kUInt, kUInt, kUInt, kUInt),
    ROW(FPDFPath_SetDrawMode, Word, None, kPath, kInt, kInt),
    ROW(FPDFPage_PrependObject, Raw, None, kPage, kPath),
    ROW(FPDFPage_GetMediaBox, Word, None, kPage, kOutFloat, kOutFloat, kOutFloat, kOutFloat),
    ROW(FPDFPage_GetCropBox, Word, None, kPage, kOutFloat, kOutFloat, kOutFloat, kOutFloat),
    ROW(FPDFText_LoadPage, Word, TextPage, kPage),
    ROW(FPDFText_ClosePage, None, None, kTextPage),
    ROW(FPDFText_CountChars, Word, None, kTextPage),
    ROW(FPDFText_CountTextChars, Word, None, kTextPage),
    ROW(FPDFText_GetText, Word, None, kTextPage, kInt, kInt, kOutBuffer),
    ROW(FPDFText_GetCharBox, Raw, None, kTextPage, kInt, kOutDouble, kOutDouble, kOutDouble, kOutDouble),
    ROW(FPDFText_GetCharOrigin, Word, None, kTextPage, kInt, kOutDouble, kOutDouble),
    ROW(FPDFText_GetCharIndexAtPos, Word, None, kTextPage, kDouble, kDouble, kDouble, kDouble),
    ROW(FPDFText_CountRects, Word, None, kTextPage, kInt, kInt),
    ROW(FPDFText_GetRect, Raw, None, kTextPage, kInt, kOutDouble, kOutDouble, kOutDouble, kOutDouble),
    ROW(FPDFText_GetBoundedText, Word, None, kTextPage, kDouble, kDouble, kDouble, kDouble, kOutBuffer, kInt),
    ROW(FPDFText_FindStart, Word, Search, kTextPage, kWideText, kULong, kInt),
    ROW(FPDFText_FindNext, Word, None, kSearch),
    ROW(FPDFText_FindPrev, Word, None, kSearch),
    ROW(FPDFText_GetSchResultIndex, Word, None, kSearch),
    ROW(FPDFText_GetSchCount, Word, None, kSearch),
    ROW(FPDFText_FindClose, None, None, kSearch),
    ROW(FPDFBookmark_GetFirstChild, Word, Bookmark, kDocument, handleOrNull(Kind::Bookmark)),
    ROW(FPDFBookmark_GetNextSibling, Word, Bookmark, kDocument, kBookmark),
    ROW(FPDFBookmark_GetTitle, Word, None, kBookmark, kOutBuffer, kULong),
    ROW(FPDFBookmark_GetDest, Word, Dest, kDocument, kBookmark),
    ROW(FPDFBookmark_GetAction, Word, Action, kBookmark),
    ROW(FPDFLink_GetAction, Word, Action, kLink),
    ROW(FPDFAction_GetType, Word, None, kAction),
    ROW(FPDFAction_GetDest, Word, Dest, kDocument, kAction),
    ROW(FPDFAction_GetFilePath, Word, None, kAction, kOutBuffer, kULong),
    ROW(FPDFAction_GetURIPath, Word, None, kDocument, kAction, kOutBuffer, kULong),
    ROW(FPDFDest_GetPageIndex, Word, None, kDocument, kDest),
    ROW(FPDFLink_GetDest, Word, Dest, kDocument, kLink),
    ROW(FPDFLink_Enumerate, Word, None, kPage, kInOutInt, value(Field::OutHandle)),
    ROW(FPDFLink_GetAnnotRect, Word, None, kLink, kOutRect),
    ROW(FPDF_GetMetaText, Word, None, kDocument, kText, kOutBuffer, kULong),
    ROW(FPDF_GetPageLabel, Word, None, kDocument, kInt, kOutBuffer, kULong),
    ROW(FPDF_GetFileVersion, Word, None, kDocument, kOutInt),
    ROW(FPDF_GetDocPermissions, Word, None, kDocument),
    ROW(FPDF_GetLastError, Word, None),
    ROW(FPDF_SetLastError, None, None, kULong),
    ROW(FPDF_DeviceToPage, Raw, None, kPage, kInt, kInt, kInt, kInt, kInt, kInt, kInt, kOutDouble, kOutDouble),
    ROW(FPDF_PageToDevice, Raw, None, kPage, kInt, kInt, kInt, kInt, kInt, kDouble, kDouble, kOutInt, kOutInt),
};

#undef ROW

static_assert(std::size(kRows) == kOperationCount, "one row per operation");

constexpr bool inOrder() {
    for (size_t i = 0; i < std::size(kRows); ++i)
        if (static_cast<size_t>(kRows[i].op) != i)
            return false;
    return true;
}
static_assert(inOrder(), "rows follow the order of Op");

constexpr std::array<Operation, kOperationCount> table() {
    std::array<Operation, kOperationCount> t{};
    for (size_t i = 0; i < kOperationCount; ++i)
        t[i] = kRows[i].operation;
    return t;
}

} // namespace

constexpr std::array<Operation, kOperationCount> kOperations = table();

const Operation *findOperation(std::string_view name) {
    for (const Operation &row : kOperations)
        if (name == row.name)
            return &row;
    return nullptr;
}

bool needsHandles(const Operation &row) {
    for (size_t i = 0; i < row.count; ++i)
        if (row.params[i].field == Field::Handle)
            return true;
    return false;
}

} // namespace engine::protocol
