// The signature table of the engine operations, shared by the binding and the server.
//
// One row per operation, named exactly as the engine function it stands for. A row fixes
// the kind of every argument (how the binding encodes it and the server decodes it) and the
// kind of the result. Both sides walk the same rows, so the wire format of a call follows
// from its row alone.
#ifndef ENGINE_PROTOCOL_OPERATIONS_H
#define ENGINE_PROTOCOL_OPERATIONS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace engine::protocol {

// What an engine handle names. Kept in four bits of the handle word.
enum class Kind : uint8_t {
    None = 0,
    Document,
    Page,
    TextPage,
    Search,
    Bitmap,
    PageObject,
    Bookmark,
    Action,
    Dest,
    Link,
};

// How one argument travels. "In" fields carry a value to the server; "Out" fields name
// caller memory the server's answer is written back to (the binding sends the current
// contents of scalar outputs so that what the engine leaves untouched stays untouched).
enum class Field : uint8_t {
    Handle,       // u64 handle word of the row's kind; 0 or a wrong handle refuses the call
    HandleOrNull, // u64 handle word of the row's kind, 0 meaning "none"
    Int,          // i32
    UInt,         // u32
    ULong,        // u64 (C unsigned long)
    Float,        // f32
    Double,       // f64
    Text,         // u32 byte count (kNullLength for none), bytes without terminator
    WideText,     // u32 UTF-16 unit count (kNullLength for none), units without terminator
    Floats4In,    // u8 present, 4 x f32 (a rectangle)
    Floats6In,    // u8 present, 6 x f32 (a matrix)
    OutInt,       // u8 present, i32 current value; reply: i32
    InOutInt,     // u8 present, i32 current value; reply: i32
    OutFloat,     // u8 present, f32 current value; reply: f32
    OutDouble,    // u8 present, f64 current value; reply: f64
    OutFloats4,   // u8 present, 4 x f32 current values; reply: 4 x f32
    OutHandle,    // u8 present, u64 current word; reply: u64
    OutBuffer,    // u8 present, u64 capacity in bytes; reply: u32 byte count, bytes
};

enum class Result : uint8_t {
    None,   // nothing comes back
    Word,   // an integer or a handle
    Double, // a double
    Raw,    // only whether the server performed the call
};

struct Param {
    Field field;
    Kind kind; // for handle fields
};

inline constexpr size_t kMaxParams = 10;

struct Operation {
    const char *name;
    Result result;
    Kind resultKind; // a Word result that is a handle of this kind, else None
    uint8_t count;
    Param params[kMaxParams];
};

// Row numbers of the table, in the table's order.
enum class Op : uint8_t {
    FPDF_LoadDocument,
    FPDF_CloseDocument,
    FPDF_GetPageCount,
    FPDF_LoadPage,
    FPDF_ClosePage,
    FPDF_GetPageWidth,
    FPDF_GetPageHeight,
    FPDFBitmap_Create,
    FPDFBitmap_FillRect,
    FPDF_RenderPageBitmap,
    FPDF_RenderPageBitmapWithMatrix,
    FPDFBitmap_Destroy,
    FPDFBitmap_GetBuffer,
    FPDFBitmap_GetStride,
    FPDFPageObj_CreateNewPath,
    FPDFPath_MoveTo,
    FPDFPath_LineTo,
    FPDFPath_Close,
    FPDFPath_SetFillColor,
    FPDFPath_SetDrawMode,
    FPDFPage_PrependObject,
    FPDFPage_GetMediaBox,
    FPDFPage_GetCropBox,
    FPDFText_LoadPage,
    FPDFText_ClosePage,
    FPDFText_CountChars,
    FPDFText_CountTextChars,
    FPDFText_GetText,
    FPDFText_GetCharBox,
    FPDFText_GetCharOrigin,
    FPDFText_GetCharIndexAtPos,
    FPDFText_CountRects,
    FPDFText_GetRect,
    FPDFText_GetBoundedText,
    FPDFText_FindStart,
    FPDFText_FindNext,
    FPDFText_FindPrev,
    FPDFText_GetSchResultIndex,
    FPDFText_GetSchCount,
    FPDFText_FindClose,
    FPDFBookmark_GetFirstChild,
    FPDFBookmark_GetNextSibling,
    FPDFBookmark_GetTitle,
    FPDFBookmark_GetDest,
    FPDFBookmark_GetAction,
    FPDFLink_GetAction,
    FPDFAction_GetType,
    FPDFAction_GetDest,
    FPDFAction_GetFilePath,
    FPDFAction_GetURIPath,
    FPDFDest_GetPageIndex,
    FPDFLink_GetDest,
    FPDFLink_Enumerate,
    FPDFLink_GetAnnotRect,
    FPDF_GetMetaText,
    FPDF_GetPageLabel,
    FPDF_GetFileVersion,
    FPDF_GetDocPermissions,
    FPDF_GetLastError,
    FPDF_SetLastError,
    FPDF_DeviceToPage,
    FPDF_PageToDevice,
    Count
};

inline constexpr size_t kOperationCount = static_cast<size_t>(Op::Count);

extern const std::array<Operation, kOperationCount> kOperations;

inline const Operation &operation(Op op) { return kOperations[static_cast<size_t>(op)]; }

// Searches the table by name; returns the row or null.
const Operation *findOperation(std::string_view name);

// True when the row takes at least one handle argument that must name a live object.
// Such a call cannot succeed without the connection that issued the handle.
bool needsHandles(const Operation &row);

} // namespace engine::protocol

#endif
