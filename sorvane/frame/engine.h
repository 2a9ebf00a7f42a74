// The PDF engine binding: one function per engine operation, each a request to the engine
// server "sorvane.ext" and a wait for its reply. The server is started on first use from
// the plugin's directory and shared by all of the user's clients.
//
// Handles are opaque words issued by the server (0 = none). When no reply can be
// obtained, every word result is 0, every double 0.0 and every raw result false, and the
// caller's memory is left as it was; that is the only failure signal.
#ifndef SORVANE_FRAME_ENGINE_H
#define SORVANE_FRAME_ENGINE_H

#include <cstdint>

namespace engine {

using Handle = uintptr_t;

// Called by InitPlugin with the plugin file's path: the server program is looked for
// beside it.
void Configure(const char *pluginPath);

// Called by ClosePlugin: drops the connection and the bitmap mappings. The server keeps
// running for its other clients.
void Close();

// Documents.
Handle FPDF_LoadDocument(const char *path, const char *password);
void FPDF_CloseDocument(Handle document);
int FPDF_GetPageCount(Handle document);
Handle FPDF_LoadPage(Handle document, int pageIndex);
void FPDF_ClosePage(Handle page);
double FPDF_GetPageWidth(Handle page);
double FPDF_GetPageHeight(Handle page);

// Bitmaps: the pixels are shared with the server (4 bytes per pixel, B, G, R, A in memory).
Handle FPDFBitmap_Create(int width, int height, int alpha);
bool FPDFBitmap_FillRect(Handle bitmap, int left, int top, int width, int height, unsigned color);
bool FPDF_RenderPageBitmap(Handle bitmap, Handle page, int startX, int startY, int sizeX, int sizeY, int rotate,
                           int flags);
bool FPDF_RenderPageBitmapWithMatrix(Handle bitmap, Handle page, const float matrix[6], const float clip[4],
                                     int flags);
void FPDFBitmap_Destroy(Handle bitmap);
// Points at the same pixels the engine renders into; valid until FPDFBitmap_Destroy or Close.
void *FPDFBitmap_GetBuffer(Handle bitmap);
int FPDFBitmap_GetStride(Handle bitmap);

// Paths.
Handle FPDFPageObj_CreateNewPath(float x, float y);
int FPDFPath_MoveTo(Handle path, float x, float y);
int FPDFPath_LineTo(Handle path, float x, float y);
int FPDFPath_Close(Handle path);
int FPDFPath_SetFillColor(Handle path, unsigned r, unsigned g, unsigned b, unsigned a);
int FPDFPath_SetDrawMode(Handle path, int fillMode, int stroke);
bool FPDFPage_PrependObject(Handle page, Handle object);
int FPDFPage_GetMediaBox(Handle page, float *left, float *bottom, float *right, float *top);
int FPDFPage_GetCropBox(Handle page, float *left, float *bottom, float *right, float *top);

// Text. Text buffers hold UTF-16LE units.
Handle FPDFText_LoadPage(Handle page);
void FPDFText_ClosePage(Handle textPage);
int FPDFText_CountChars(Handle textPage);
int FPDFText_CountTextChars(Handle textPage);
// `buffer` must hold count + 1 units.
int FPDFText_GetText(Handle textPage, int startIndex, int count, unsigned short *buffer);
bool FPDFText_GetCharBox(Handle textPage, int index, double *left, double *right, double *bottom, double *top);
int FPDFText_GetCharOrigin(Handle textPage, int index, double *x, double *y);
int FPDFText_GetCharIndexAtPos(Handle textPage, double x, double y, double xTolerance, double yTolerance);
int FPDFText_CountRects(Handle textPage, int startIndex, int count);
bool FPDFText_GetRect(Handle textPage, int rectIndex, double *left, double *top, double *right, double *bottom);
// `length` is in units.
int FPDFText_GetBoundedText(Handle textPage, double left, double top, double right, double bottom,
                            unsigned short *buffer, int length);
// `text` is NUL-terminated.
Handle FPDFText_FindStart(Handle textPage, const unsigned short *text, unsigned long flags, int startIndex);
int FPDFText_FindNext(Handle search);
int FPDFText_FindPrev(Handle search);
int FPDFText_GetSchResultIndex(Handle search);
int FPDFText_GetSchCount(Handle search);
void FPDFText_FindClose(Handle search);

// Bookmarks, actions, destinations and links. Buffer lengths are in bytes; the engine
// copies only into a buffer long enough for the whole answer and returns that length.
Handle FPDFBookmark_GetFirstChild(Handle document, Handle bookmark);
Handle FPDFBookmark_GetNextSibling(Handle document, Handle bookmark);
unsigned long FPDFBookmark_GetTitle(Handle bookmark, void *buffer, unsigned long length);
Handle FPDFBookmark_GetDest(Handle document, Handle bookmark);
Handle FPDFBookmark_GetAction(Handle bookmark);
Handle FPDFLink_GetAction(Handle link);
unsigned long FPDFAction_GetType(Handle action);
Handle FPDFAction_GetDest(Handle document, Handle action);
unsigned long FPDFAction_GetFilePath(Handle action, void *buffer, unsigned long length);
unsigned long FPDFAction_GetURIPath(Handle document, Handle action, void *buffer, unsigned long length);
int FPDFDest_GetPageIndex(Handle document, Handle dest);
Handle FPDFLink_GetDest(Handle document, Handle link);
int FPDFLink_Enumerate(Handle page, int *startPos, Handle *link);
// rect: left, top, right, bottom.
int FPDFLink_GetAnnotRect(Handle link, float rect[4]);

// Document information.
unsigned long FPDF_GetMetaText(Handle document, const char *tag, void *buffer, unsigned long length);
unsigned long FPDF_GetPageLabel(Handle document, int pageIndex, void *buffer, unsigned long length);
int FPDF_GetFileVersion(Handle document, int *version);
unsigned long FPDF_GetDocPermissions(Handle document);
unsigned long FPDF_GetLastError();
void FPDF_SetLastError(unsigned long code);

// Coordinates.
bool FPDF_DeviceToPage(Handle page, int startX, int startY, int sizeX, int sizeY, int rotate, int deviceX,
                       int deviceY, double *pageX, double *pageY);
bool FPDF_PageToDevice(Handle page, int startX, int startY, int sizeX, int sizeY, int rotate, double pageX,
                       double pageY, int *deviceX, int *deviceY);

} // namespace engine

#endif
