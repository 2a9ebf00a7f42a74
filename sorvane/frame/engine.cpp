// The engine binding: every operation packs its arguments, and the row of the signature
// table for it decides how they travel, how the outputs come back into the caller's
// memory, and what the result is.
#include "engine.h"

#include "charset.h"
#include "connection.h"
#include "launch.h"
#include "mappings.h"
#include "operations.h"
#include "wire.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <unistd.h>
#include <vector>

namespace engine {

static_assert(sizeof(Handle) == sizeof(uint64_t), "handles are 64-bit words");

namespace {

using protocol::Field;
using protocol::Op;

// One argument as the caller gave it.
struct Value {
    union {
        uint64_t word;
        int32_t i;
        uint32_t u;
        float f;
        double d;
        const void *pointer;
    };
    uint64_t capacity; // output buffers: how many bytes the caller's memory holds
};

Value word(uint64_t v) {
    Value a{};
    a.word = v;
    return a;
}
Value integer(int v) {
    Value a{};
    a.i = v;
    return a;
}
Value unsignedInt(unsigned v) {
    Value a{};
    a.u = v;
    return a;
}
Value real(float v) {
    Value a{};
    a.f = v;
    return a;
}
Value number(double v) {
    Value a{};
    a.d = v;
    return a;
}
Value pointer(const void *p) {
    Value a{};
    a.pointer = p;
    return a;
}
Value buffer(void *p, uint64_t capacity) {
    Value a{};
    a.pointer = p;
    a.capacity = p ? capacity : 0;
    return a;
}

// Reused by every call, so steady traffic does not allocate.
std::vector<uint8_t> request;
std::vector<uint8_t> reply;

struct Outcome {
    bool performed = false;
    uint64_t result = 0;
};

template <typename T> T load(const void *p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename T> void store(const void *p, T v) { std::memcpy(const_cast<void *>(p), &v, sizeof v); }

bool encode(const protocol::Operation &row, const Value *args) {
    request.clear();
    request.resize(sizeof(protocol::RequestHeader));
    protocol::Writer out{request};
    size_t nameLength = std::strlen(row.name);
    out.bytes(row.name, nameLength);
    for (size_t i = 0; i < row.count; ++i) {
        const Value &a = args[i];
        const void *p = a.pointer;
        switch (row.params[i].field) {
        case Field::Handle:
        case Field::HandleOrNull:
        case Field::ULong:
            out.put<uint64_t>(a.word);
            break;
        case Field::Int:
            out.put<int32_t>(a.i);
            break;
        case Field::UInt:
            out.put<uint32_t>(a.u);
            break;
        case Field::Float:
            out.put<float>(a.f);
            break;
        case Field::Double:
            out.put<double>(a.d);
            break;
        case Field::Text: {
            if (!p) {
                out.put<uint32_t>(protocol::kNullLength);
                break;
            }
            size_t length = std::strlen(static_cast<const char *>(p));
            if (length >= protocol::kMaxMessage / 2)
                return false;
            out.put<uint32_t>(static_cast<uint32_t>(length));
            out.bytes(p, length);
            break;
        }
        case Field::WideText: {
            if (!p) {
                out.put<uint32_t>(protocol::kNullLength);
                break;
            }
            const auto *units = static_cast<const unsigned short *>(p);
            size_t count = 0;
            while (units[count] != 0)
                if (++count >= protocol::kMaxMessage / 4)
                    return false;
            out.put<uint32_t>(static_cast<uint32_t>(count));
            out.bytes(units, count * 2);
            break;
        }
        case Field::Floats4In:
        case Field::Floats6In: {
            size_t n = row.params[i].field == Field::Floats4In ? 4 : 6;
            out.put<uint8_t>(p != nullptr);
            for (size_t k = 0; k < n; ++k)
                out.put<float>(p ? static_cast<const float *>(p)[k] : 0.0f);
            break;
        }
        case Field::OutInt:
        case Field::InOutInt:
            out.put<uint8_t>(p != nullptr);
            out.put<int32_t>(p ? load<int32_t>(p) : 0);
            break;
        case Field::OutFloat:
            out.put<uint8_t>(p != nullptr);
            out.put<float>(p ? load<float>(p) : 0.0f);
            break;
        case Field::OutDouble:
            out.put<uint8_t>(p != nullptr);
            out.put<double>(p ? load<double>(p) : 0.0);
            break;
        case Field::OutFloats4:
            out.put<uint8_t>(p != nullptr);
            for (size_t k = 0; k < 4; ++k)
                out.put<float>(p ? static_cast<const float *>(p)[k] : 0.0f);
            break;
        case Field::OutHandle:
            out.put<uint8_t>(p != nullptr);
            out.put<uint64_t>(p ? load<uint64_t>(p) : 0);
            break;
        case Field::OutBuffer:
            out.put<uint8_t>(p != nullptr);
            out.put<uint64_t>(a.capacity);
            break;
        }
    }
    if (request.size() > protocol::kMaxMessage)
        return false;
    protocol::RequestHeader header{static_cast<uint32_t>(request.size()), protocol::MessageType::Call,
                                   static_cast<uint8_t>(nameLength), 0};
    std::memcpy(request.data(), &header, sizeof header);
    return true;
}

// Writes the outputs of a performed call back into the caller's memory.
void decodeOutputs(const protocol::Operation &row, const Value *args, protocol::Reader &in) {
    for (size_t i = 0; i < row.count && in.ok; ++i) {
        const void *p = args[i].pointer;
        switch (row.params[i].field) {
        case Field::OutInt:
        case Field::InOutInt:
            if (p)
                store(p, in.get<int32_t>());
            break;
        case Field::OutFloat:
            if (p)
                store(p, in.get<float>());
            break;
        case Field::OutDouble:
            if (p)
                store(p, in.get<double>());
            break;
        case Field::OutFloats4:
            if (p)
                for (size_t k = 0; k < 4; ++k)
                    store(static_cast<const float *>(p) + k, in.get<float>());
            break;
        case Field::OutHandle:
            if (p)
                store(p, static_cast<Handle>(in.get<uint64_t>()));
            break;
        case Field::OutBuffer:
            if (p) {
                uint32_t length = in.get<uint32_t>();
                const uint8_t *bytes = in.take(length);
                if (bytes)
                    std::memcpy(const_cast<void *>(p), bytes, length <= args[i].capacity ? length : args[i].capacity);
            }
            break;
        default:
            break;
        }
    }
}

// One call: connects first when the operation can do without earlier handles (a call
// that names handles cannot succeed on a new connection, so it never starts a server),
// sends, waits, and decodes. A descriptor in the reply is handed to *receivedFd.
Outcome call(Op op, const Value *args, int *receivedFd = nullptr) {
    const protocol::Operation &row = protocol::operation(op);
    if (receivedFd)
        *receivedFd = -1;
    if (!client::connected() && (protocol::needsHandles(row) || client::connect() != 0))
        return {};
    if (!encode(row, args))
        return {};
    int fd = -1;
    if (client::exchange(request, reply, &fd) != 0)
        return {};
    protocol::ReplyHeader header;
    std::memcpy(&header, reply.data(), sizeof header);
    if (header.status != protocol::Status::Performed) {
        if (fd >= 0)
            close(fd);
        return {};
    }
    protocol::Reader in{reply.data() + sizeof header, reply.size() - sizeof header};
    decodeOutputs(row, args, in);
    if (receivedFd)
        *receivedFd = fd;
    else if (fd >= 0)
        close(fd);
    return {true, header.result};
}

uint64_t callWord(Op op, std::initializer_list<Value> args) { return call(op, args.begin()).result; }

int callInt(Op op, std::initializer_list<Value> args) { return static_cast<int>(callWord(op, args)); }

double callDouble(Op op, std::initializer_list<Value> args) {
    uint64_t bits = callWord(op, args);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

bool callRaw(Op op, std::initializer_list<Value> args) { return call(op, args.begin()).performed; }

// Capacity in bytes of a UTF-16 buffer of `units` units (none for a non-positive count).
uint64_t unitBytes(int64_t units) { return units > 0 ? static_cast<uint64_t>(units) * 2 : 0; }

} // namespace

void Configure(const char *pluginPath) { client::setServerProgram(client::serverPathFor(pluginPath)); }

void Close() {
    client::disconnect();
    client::unmapAllPixels();
}

Handle FPDF_LoadDocument(const char *path, const char *password) {
    // The server runs in its own directory, so the name goes as a full path when the file
    // can be found; it stays in the system character set on the wire.
    char absolute[PATH_MAX];
    char native[PATH_MAX];
    char resolved[PATH_MAX];
    const char *name = path;
    if (path && protocol::systemToUtf8(path, native, sizeof native) == 0 && realpath(native, resolved) &&
        protocol::utf8ToSystem(resolved, absolute, 1024) == 0)
        name = absolute;
    return callWord(Op::FPDF_LoadDocument, {pointer(name), pointer(password)});
}

void FPDF_CloseDocument(Handle document) { callWord(Op::FPDF_CloseDocument, {word(document)}); }

int FPDF_GetPageCount(Handle document) { return callInt(Op::FPDF_GetPageCount, {word(document)}); }

Handle FPDF_LoadPage(Handle document, int pageIndex) {
    return callWord(Op::FPDF_LoadPage, {word(document), integer(pageIndex)});
}

void FPDF_ClosePage(Handle page) { callWord(Op::FPDF_ClosePage, {word(page)}); }

double FPDF_GetPageWidth(Handle page) { return callDouble(Op::FPDF_GetPageWidth, {word(page)}); }

double FPDF_GetPageHeight(Handle page) { return callDouble(Op::FPDF_GetPageHeight, {word(page)}); }

Handle FPDFBitmap_Create(int width, int height, int alpha) {
    const Value args[] = {integer(width), integer(height), integer(alpha)};
    int fd = -1;
    Outcome o = call(Op::FPDFBitmap_Create, args, &fd);
    if (!o.performed || o.result == 0) {
        if (fd >= 0)
            close(fd);
        return 0;
    }
    // Without its pixels the bitmap is of no use here: give it back.
    if (fd < 0 || client::mapPixels(o.result, fd) != 0) {
        callWord(Op::FPDFBitmap_Destroy, {word(o.result)});
        return 0;
    }
    return static_cast<Handle>(o.result);
}

bool FPDFBitmap_FillRect(Handle bitmap, int left, int top, int width, int height, unsigned color) {
    return callRaw(Op::FPDFBitmap_FillRect,
                   {word(bitmap), integer(left), integer(top), integer(width), integer(height), unsignedInt(color)});
}

bool FPDF_RenderPageBitmap(Handle bitmap, Handle page, int startX, int startY, int sizeX, int sizeY, int rotate,
                           int flags) {
    return callRaw(Op::FPDF_RenderPageBitmap, {word(bitmap), word(page), integer(startX), integer(startY),
                                               integer(sizeX), integer(sizeY), integer(rotate), integer(flags)});
}

bool FPDF_RenderPageBitmapWithMatrix(Handle bitmap, Handle page, const float matrix[6], const float clip[4],
                                     int flags) {
    return callRaw(Op::FPDF_RenderPageBitmapWithMatrix,
                   {word(bitmap), word(page), pointer(matrix), pointer(clip), integer(flags)});
}

void FPDFBitmap_Destroy(Handle bitmap) {
    callWord(Op::FPDFBitmap_Destroy, {word(bitmap)});
    client::unmapPixels(bitmap);
}

void *FPDFBitmap_GetBuffer(Handle bitmap) {
    if (callWord(Op::FPDFBitmap_GetBuffer, {word(bitmap)}) == 0)
        return nullptr;
    return client::pixelsOf(bitmap);
}

int FPDFBitmap_GetStride(Handle bitmap) { return callInt(Op::FPDFBitmap_GetStride, {word(bitmap)}); }

Handle FPDFPageObj_CreateNewPath(float x, float y) {
    return callWord(Op::FPDFPageObj_CreateNewPath, {real(x), real(y)});
}

int FPDFPath_MoveTo(Handle path, float x, float y) {
    return callInt(Op::FPDFPath_MoveTo, {word(path), real(x), real(y)});
}

int FPDFPath_LineTo(Handle path, float x, float y) {
    return callInt(Op::FPDFPath_LineTo, {word(path), real(x), real(y)});
}

int FPDFPath_Close(Handle path) { return callInt(Op::FPDFPath_Close, {word(path)}); }

int FPDFPath_SetFillColor(Handle path, unsigned r, unsigned g, unsigned b, unsigned a) {
    return callInt(Op::FPDFPath_SetFillColor,
                   {word(path), unsignedInt(r), unsignedInt(g), unsignedInt(b), unsignedInt(a)});
}

int FPDFPath_SetDrawMode(Handle path, int fillMode, int stroke) {
    return callInt(Op::FPDFPath_SetDrawMode, {word(path), integer(fillMode), integer(stroke)});
}

bool FPDFPage_PrependObject(Handle page, Handle object) {
    return callRaw(Op::FPDFPage_PrependObject, {word(page), word(object)});
}

int FPDFPage_GetMediaBox(Handle page, float *left, float *bottom, float *right, float *top) {
    return callInt(Op::FPDFPage_GetMediaBox,
                   {word(page), pointer(left), pointer(bottom), pointer(right), pointer(top)});
}

int FPDFPage_GetCropBox(Handle page, float *left, float *bottom, float *right, float *top) {
    return callInt(Op::FPDFPage_GetCropBox, {word(page), pointer(left), pointer(bottom), pointer(right), pointer(top)});
}

Handle FPDFText_LoadPage(Handle page) { return callWord(Op::FPDFText_LoadPage, {word(page)}); }

void FPDFText_ClosePage(Handle textPage) { callWord(Op::FPDFText_ClosePage, {word(textPage)}); }

int FPDFText_CountChars(Handle textPage) { return callInt(Op::FPDFText_CountChars, {word(textPage)}); }

int FPDFText_CountTextChars(Handle textPage) { return callInt(Op::FPDFText_CountTextChars, {word(textPage)}); }

int FPDFText_GetText(Handle textPage, int startIndex, int count, unsigned short *text) {
    return callInt(Op::FPDFText_GetText,
                   {word(textPage), integer(startIndex), integer(count), buffer(text, unitBytes(int64_t{count} + 1))});
}

bool FPDFText_GetCharBox(Handle textPage, int index, double *left, double *right, double *bottom, double *top) {
    return callRaw(Op::FPDFText_GetCharBox,
                   {word(textPage), integer(index), pointer(left), pointer(right), pointer(bottom), pointer(top)});
}

int FPDFText_GetCharOrigin(Handle textPage, int index, double *x, double *y) {
    return callInt(Op::FPDFText_GetCharOrigin, {word(textPage), integer(index), pointer(x), pointer(y)});
}

int FPDFText_GetCharIndexAtPos(Handle textPage, double x, double y, double xTolerance, double yTolerance) {
    return callInt(Op::FPDFText_GetCharIndexAtPos,
                   {word(textPage), number(x), number(y), number(xTolerance), number(yTolerance)});
}

int FPDFText_CountRects(Handle textPage, int startIndex, int count) {
    return callInt(Op::FPDFText_CountRects, {word(textPage), integer(startIndex), integer(count)});
}

bool FPDFText_GetRect(Handle textPage, int rectIndex, double *left, double *top, double *right, double *bottom) {
    return callRaw(Op::FPDFText_GetRect,
                   {word(textPage), integer(rectIndex), pointer(left), pointer(top), pointer(right), pointer(bottom)});
}

int FPDFText_GetBoundedText(Handle textPage, double left, double top, double right, double bottom,
                            unsigned short *text, int length) {
    return callInt(Op::FPDFText_GetBoundedText, {word(textPage), number(left), number(top), number(right),
                                                 number(bottom), buffer(text, unitBytes(length)), integer(length)});
}

Handle FPDFText_FindStart(Handle textPage, const unsigned short *text, unsigned long flags, int startIndex) {
    return callWord(Op::FPDFText_FindStart, {word(textPage), pointer(text), word(flags), integer(startIndex)});
}

int FPDFText_FindNext(Handle search) { return callInt(Op::FPDFText_FindNext, {word(search)}); }

int FPDFText_FindPrev(Handle search) { return callInt(Op::FPDFText_FindPrev, {word(search)}); }

int FPDFText_GetSchResultIndex(Handle search) { return callInt(Op::FPDFText_GetSchResultIndex, {word(search)}); }

int FPDFText_GetSchCount(Handle search) { return callInt(Op::FPDFText_GetSchCount, {word(search)}); }

void FPDFText_FindClose(Handle search) { callWord(Op::FPDFText_FindClose, {word(search)}); }

Handle FPDFBookmark_GetFirstChild(Handle document, Handle bookmark) {
    return callWord(Op::FPDFBookmark_GetFirstChild, {word(document), word(bookmark)});
}

Handle FPDFBookmark_GetNextSibling(Handle document, Handle bookmark) {
    return callWord(Op::FPDFBookmark_GetNextSibling, {word(document), word(bookmark)});
}

unsigned long FPDFBookmark_GetTitle(Handle bookmark, void *text, unsigned long length) {
    return callWord(Op::FPDFBookmark_GetTitle, {word(bookmark), buffer(text, length), word(length)});
}

Handle FPDFBookmark_GetDest(Handle document, Handle bookmark) {
    return callWord(Op::FPDFBookmark_GetDest, {word(document), word(bookmark)});
}

Handle FPDFBookmark_GetAction(Handle bookmark) { return callWord(Op::FPDFBookmark_GetAction, {word(bookmark)}); }

Handle FPDFLink_GetAction(Handle link) { return callWord(Op::FPDFLink_GetAction, {word(link)}); }

unsigned long FPDFAction_GetType(Handle action) { return callWord(Op::FPDFAction_GetType, {word(action)}); }

Handle FPDFAction_GetDest(Handle document, Handle action) {
    return callWord(Op::FPDFAction_GetDest, {word(document), word(action)});
}

unsigned long FPDFAction_GetFilePath(Handle action, void *text, unsigned long length) {
    return callWord(Op::FPDFAction_GetFilePath, {word(action), buffer(text, length), word(length)});
}

unsigned long FPDFAction_GetURIPath(Handle document, Handle action, void *text, unsigned long length) {
    return callWord(Op::FPDFAction_GetURIPath, {word(document), word(action), buffer(text, length), word(length)});
}

int FPDFDest_GetPageIndex(Handle document, Handle dest) {
    return callInt(Op::FPDFDest_GetPageIndex, {word(document), word(dest)});
}

Handle FPDFLink_GetDest(Handle document, Handle link) {
    return callWord(Op::FPDFLink_GetDest, {word(document), word(link)});
}

int FPDFLink_Enumerate(Handle page, int *startPos, Handle *link) {
    return callInt(Op::FPDFLink_Enumerate, {word(page), pointer(startPos), pointer(link)});
}

int FPDFLink_GetAnnotRect(Handle link, float rect[4]) {
    return callInt(Op::FPDFLink_GetAnnotRect, {word(link), pointer(rect)});
}

unsigned long FPDF_GetMetaText(Handle document, const char *tag, void *text, unsigned long length) {
    return callWord(Op::FPDF_GetMetaText, {word(document), pointer(tag), buffer(text, length), word(length)});
}

unsigned long FPDF_GetPageLabel(Handle document, int pageIndex, void *text, unsigned long length) {
    return callWord(Op::FPDF_GetPageLabel, {word(document), integer(pageIndex), buffer(text, length), word(length)});
}

int FPDF_GetFileVersion(Handle document, int *version) {
    return callInt(Op::FPDF_GetFileVersion, {word(document), pointer(version)});
}

unsigned long FPDF_GetDocPermissions(Handle document) {
    return callWord(Op::FPDF_GetDocPermissions, {word(document)});
}

unsigned long FPDF_GetLastError() { return callWord(Op::FPDF_GetLastError, {}); }

void FPDF_SetLastError(unsigned long code) { callWord(Op::FPDF_SetLastError, {word(code)}); }

bool FPDF_DeviceToPage(Handle page, int startX, int startY, int sizeX, int sizeY, int rotate, int deviceX,
                       int deviceY, double *pageX, double *pageY) {
    return callRaw(Op::FPDF_DeviceToPage,
                   {word(page), integer(startX), integer(startY), integer(sizeX), integer(sizeY), integer(rotate),
                    integer(deviceX), integer(deviceY), pointer(pageX), pointer(pageY)});
}

bool FPDF_PageToDevice(Handle page, int startX, int startY, int sizeX, int sizeY, int rotate, double pageX,
                       double pageY, int *deviceX, int *deviceY) {
    return callRaw(Op::FPDF_PageToDevice,
                   {word(page), integer(startX), integer(startY), integer(sizeX), integer(sizeY), integer(rotate),
                    number(pageX), number(pageY), pointer(deviceX), pointer(deviceY)});
}

} // namespace engine
