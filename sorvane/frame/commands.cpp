// The command table of the script library "pdf" with its help strings, and
// the two commands that belong to the frame itself.
#include "commands.h"
#include "plugin.h"

#include <hpdf.h>

const CommandEntry sv_pdf_commands[] = {
    {"OpenDocument", sv_OpenDocument},
    {"CloseDocument", sv_CloseDocument},
    {"CreateDocument", sv_CreateDocument},
    {"GetObjectType", sv_GetObjectType},
    {"GetVersion", sv_GetVersion},
    {"GetBrush", sv_GetBrush},
    {"IsPDF", sv_IsPDF},
    {"LoadPage", sv_LoadPage},
    {"FreePage", sv_FreePage},
    {"GetBrushFromPage", sv_GetBrushFromPage},
    {"GetPageLinks", sv_GetPageLinks},
    {"GetPageLen", sv_GetPageLen},
    {"GetText", sv_GetText},
    {"GetCharBox", sv_GetCharBox},
    {"GetCharOrigin", sv_GetCharOrigin},
    {"GetCharIndexAtPos", sv_GetCharIndexAtPos},
    {"GetRects", sv_GetRects},
    {"GetBoundedText", sv_GetBoundedText},
    {"FindStart", sv_FindStart},
    {"FindNext", sv_FindNext},
    {"FindPrev", sv_FindPrev},
    {"GetFindResult", sv_GetFindResult},
    {"GetBookmarks", sv_GetBookmarks},
    {"GetMetaText", sv_GetMetaText},
    {"GetPageLabel", sv_GetPageLabel},
    {"GetLastError", sv_GetLastError},
    {"DeviceToPage", sv_DeviceToPage},
    {"PageToDevice", sv_PageToDevice},
    {"GetCropBox", sv_GetCropBox},
    {"GetMediaBox", sv_GetMediaBox},
    {nullptr, nullptr},
};

const HelpString sv_pdf_help[] = {
    {"[id]=pdf.OpenDocument(id,file$[,t]) -- open PDF document", 0},
    {"pdf.CloseDocument(id) -- close PDF document", 0},
    {"doc=pdf.CreateDocument() -- create a new PDF document", 0},
    {"type=pdf.GetObjectType() -- get PDF document object type", 0},
    {"ver$=pdf.GetVersion() -- get libHaru version", 0},
    {"[id]=pdf.GetBrush(id,page,brid[,transparent]) -- get PDF page as vector brush", 0},
    {"ok=pdf.IsPDF(f$) -- check if file is a valid PDF document", 0},
    {"pdf.LoadPage(id,page[,loadtext]) -- load page from PDF document", 0},
    {"pdf.FreePage(id,page) -- free PDF document page", 0},
    {"[id]=pdf.GetBrushFromPage(id,page,brid[,transparent]) -- get PDF page as vector brush", 0},
    {"t=pdf.GetPageLinks(id,page) -- get all links on a PDF page", 0},
    {"len=pdf.GetPageLen(id,page) -- get number of characters on page", 0},
    {"t$=pdf.GetText(id,page,idx,len) -- get text on page", 0},
    {"left,top,right,bottom=pdf.GetCharBox(id,page,idx) -- get bounding rectangle of character", 0},
    {"x,y=pdf.GetCharOrigin(id,page,idx) -- get origin of character", 0},
    {"idx=pdf.GetCharIndexAtPos(id,page,x,y[,xt,yt]) -- get character at page position", 0},
    {"t=pdf.GetRects(id,page,idx,len) -- get bounding rectangles of character range", 0},
    {"t$=pdf.GetBoundedText(id,page,left,top,right,bottom) -- get text within bounding rectangle", 0},
    {"pdf.FindStart(id,page,s$[,flags,idx]) -- initiate search operation", 0},
    {"res=pdf.FindNext(id,page) -- find next instance of search string", 0},
    {"res=pdf.FindPrev(id,page) -- find previous instance of search string", 0},
    {"idx,len=pdf.GetFindResult(id,page) -- get result of search operation", 0},
    {"t=pdf.GetBookmarks(id) -- get all bookmarks in a document", 0},
    {"t$=pdf.GetMetaText(id,attr$) -- get meta text from document", 0},
    {"l$=pdf.GetPageLabel(id,page) -- get page label text", 0},
    {"error.pdf.GetLastError() -- get last error code", 0},
    {"x,y=pdf.DeviceToPage(id,page,startx,starty,sizex,sizey,rotate,devicex,devicey) -- convert screen to page coordinates", 0},
    {"x,y=pdf.PageToDevice(id,page,startx,starty,sizex,sizey,rotate,pagex,pagey) -- convert page to screen coordinates", 0},
    {"left,top,right,bottom=pdf.GetCropBox(id,page) -- get page's crop box", 0},
    {"left,top,right,bottom=pdf.GetMediaBox(id,page) -- get page's media box", 0},
};

// type=pdf.GetObjectType()
int sv_GetObjectType(ScriptState *state)
{
    sv_script().pushInteger(state, sv.documentType);
    return 1;
}

// ver$=pdf.GetVersion(): the version text of the libharu this plugin runs with.
int sv_GetVersion(ScriptState *state)
{
    sv_script().pushString(state, HPDF_GetVersion());
    return 1;
}
