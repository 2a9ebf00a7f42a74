// The part of the PDFium C interface the server calls. The library ships without headers,
// so the functions are declared here from their published C signatures.
#ifndef ENGINE_SERVER_PDFIUM_H
#define ENGINE_SERVER_PDFIUM_H

#include <cstddef>

extern "C" {

struct PdfDocument;
struct PdfPage;
struct PdfTextPage;
struct PdfSearch;
struct PdfBitmap;
struct PdfPageObject;
struct PdfBookmark;
struct PdfAction;
struct PdfDest;
struct PdfLink;

struct PdfMatrix {
    float a, b, c, d, e, f;
};
struct PdfRectF {
    float left, top, right, bottom;
};

using FPDF_BOOL = int;

enum : unsigned long {
    FPDF_ERR_SUCCESS = 0,
    FPDF_ERR_UNKNOWN = 1,
    FPDF_ERR_FILE = 2,
    FPDF_ERR_FORMAT = 3,
    FPDF_ERR_PASSWORD = 4,
    FPDF_ERR_SECURITY = 5,
    FPDF_ERR_PAGE = 6,
};

enum : int {
    FPDFBitmap_BGRx = 3,
    FPDFBitmap_BGRA = 4,
};

void FPDF_InitLibrary();
void FPDF_DestroyLibrary();
unsigned long FPDF_GetLastError();

PdfDocument *FPDF_LoadDocument(const char *path, const char *password);
void FPDF_CloseDocument(PdfDocument *document);
int FPDF_GetPageCount(PdfDocument *document);
FPDF_BOOL FPDF_GetFileVersion(PdfDocument *document, int *version);
unsigned long FPDF_GetDocPermissions(PdfDocument *document);
unsigned long FPDF_GetMetaText(PdfDocument *document, const char *tag, void *buffer, unsigned long length);
unsigned long FPDF_GetPageLabel(PdfDocument *document, int pageIndex, void *buffer, unsigned long length);

PdfPage *FPDF_LoadPage(PdfDocument *document, int pageIndex);
void FPDF_ClosePage(PdfPage *page);
double FPDF_GetPageWidth(PdfPage *page);
double FPDF_GetPageHeight(PdfPage *page);
FPDF_BOOL FPDFPage_GetMediaBox(PdfPage *page, float *left, float *bottom, float *right, float *top);
FPDF_BOOL FPDFPage_GetCropBox(PdfPage *page, float *left, float *bottom, float *right, float *top);
FPDF_BOOL FPDF_DeviceToPage(PdfPage *page, int startX, int startY, int sizeX, int sizeY, int rotate, int deviceX,
                            int deviceY, double *pageX, double *pageY);
FPDF_BOOL FPDF_PageToDevice(PdfPage *page, int startX, int startY, int sizeX, int sizeY, int rotate, double pageX,
                            double pageY, int *deviceX, int *deviceY);

PdfBitmap *FPDFBitmap_CreateEx(int width, int height, int format, void *firstScan, int stride);
FPDF_BOOL FPDFBitmap_FillRect(PdfBitmap *bitmap, int left, int top, int width, int height, unsigned int color);
void FPDFBitmap_Destroy(PdfBitmap *bitmap);
int FPDFBitmap_GetStride(PdfBitmap *bitmap);
void FPDF_RenderPageBitmap(PdfBitmap *bitmap, PdfPage *page, int startX, int startY, int sizeX, int sizeY, int rotate,
                           int flags);
void FPDF_RenderPageBitmapWithMatrix(PdfBitmap *bitmap, PdfPage *page, const PdfMatrix *matrix,
                                     const PdfRectF *clipping, int flags);

PdfPageObject *FPDFPageObj_CreateNewPath(float x, float y);
void FPDFPageObj_Destroy(PdfPageObject *object);
FPDF_BOOL FPDFPageObj_SetFillColor(PdfPageObject *object, unsigned int r, unsigned int g, unsigned int b,
                                   unsigned int a);
FPDF_BOOL FPDFPath_MoveTo(PdfPageObject *path, float x, float y);
FPDF_BOOL FPDFPath_LineTo(PdfPageObject *path, float x, float y);
FPDF_BOOL FPDFPath_Close(PdfPageObject *path);
FPDF_BOOL FPDFPath_SetDrawMode(PdfPageObject *path, int fillMode, FPDF_BOOL stroke);
FPDF_BOOL FPDFPage_InsertObjectAtIndex(PdfPage *page, PdfPageObject *object, size_t index);

PdfTextPage *FPDFText_LoadPage(PdfPage *page);
void FPDFText_ClosePage(PdfTextPage *textPage);
int FPDFText_CountChars(PdfTextPage *textPage);
int FPDFText_GetText(PdfTextPage *textPage, int startIndex, int count, unsigned short *result);
FPDF_BOOL FPDFText_GetCharBox(PdfTextPage *textPage, int index, double *left, double *right, double *bottom,
                              double *top);
FPDF_BOOL FPDFText_GetCharOrigin(PdfTextPage *textPage, int index, double *x, double *y);
int FPDFText_GetCharIndexAtPos(PdfTextPage *textPage, double x, double y, double xTolerance, double yTolerance);
int FPDFText_CountRects(PdfTextPage *textPage, int startIndex, int count);
FPDF_BOOL FPDFText_GetRect(PdfTextPage *textPage, int rectIndex, double *left, double *top, double *right,
                           double *bottom);
int FPDFText_GetBoundedText(PdfTextPage *textPage, double left, double top, double right, double bottom,
                            unsigned short *buffer, int length);
PdfSearch *FPDFText_FindStart(PdfTextPage *textPage, const unsigned short *findWhat, unsigned long flags,
                              int startIndex);
FPDF_BOOL FPDFText_FindNext(PdfSearch *search);
FPDF_BOOL FPDFText_FindPrev(PdfSearch *search);
int FPDFText_GetSchResultIndex(PdfSearch *search);
int FPDFText_GetSchCount(PdfSearch *search);
void FPDFText_FindClose(PdfSearch *search);

PdfBookmark *FPDFBookmark_GetFirstChild(PdfDocument *document, PdfBookmark *bookmark);
PdfBookmark *FPDFBookmark_GetNextSibling(PdfDocument *document, PdfBookmark *bookmark);
unsigned long FPDFBookmark_GetTitle(PdfBookmark *bookmark, void *buffer, unsigned long length);
PdfDest *FPDFBookmark_GetDest(PdfDocument *document, PdfBookmark *bookmark);
PdfAction *FPDFBookmark_GetAction(PdfBookmark *bookmark);
PdfAction *FPDFLink_GetAction(PdfLink *link);
unsigned long FPDFAction_GetType(PdfAction *action);
PdfDest *FPDFAction_GetDest(PdfDocument *document, PdfAction *action);
unsigned long FPDFAction_GetFilePath(PdfAction *action, void *buffer, unsigned long length);
unsigned long FPDFAction_GetURIPath(PdfDocument *document, PdfAction *action, void *buffer, unsigned long length);
int FPDFDest_GetDestPageIndex(PdfDocument *document, PdfDest *dest);
PdfDest *FPDFLink_GetDest(PdfDocument *document, PdfLink *link);
FPDF_BOOL FPDFLink_Enumerate(PdfPage *page, int *startPos, PdfLink **link);
FPDF_BOOL FPDFLink_GetAnnotRect(PdfLink *link, PdfRectF *rect);

} // extern "C"

#endif
