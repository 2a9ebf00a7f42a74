// The methods of document handles (library "doc:").
#include "../frame/plugin.h"
#include "arguments.h"
#include "document.h"
#include "hpdf_platform.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_DOC, F, K>;

namespace {

// status=doc:SetPassword(ownerpwd[,userpwd]): no user password by default.
int SetPassword(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *owner = sv_script().checkString(state, 2, nullptr);
    const char *user = sv_script().optString(state, 3, nullptr, nullptr);
    return sv_status_result(state, HPDF_SetPassword(static_cast<HPDF_Doc>(pdf), owner, user));
}

// status=doc:SetEncryptionMode(mode[,keylen]): key length 5 by default.
int SetEncryptionMode(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    auto mode = HPDF_EncryptMode(sv_truncate(sv_script().checkNumber(state, 2)));
    auto keyLength = HPDF_UINT(sv_truncate(sv_script().optNumber(state, 3, 5)));
    return sv_status_result(state, HPDF_SetEncryptionMode(static_cast<HPDF_Doc>(pdf), mode, keyLength));
}

// status=doc:AddPageLabel(pagenum,style,firstpage[,prefix]): no prefix by default.
int AddPageLabel(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    auto pageNumber = HPDF_UINT(sv_truncate(s.checkNumber(state, 2)));
    auto style = HPDF_PageNumStyle(sv_truncate(s.checkNumber(state, 3)));
    auto firstPage = HPDF_UINT(sv_truncate(s.checkNumber(state, 4)));
    const char *prefix = s.optString(state, 5, nullptr, nullptr);
    return sv_status_result(state, HPDF_AddPageLabel(static_cast<HPDF_Doc>(pdf), pageNumber, style, firstPage, prefix));
}

// font=doc:GetFont(fontname[,encodingname]): the font's own encoding by default.
int GetFont(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *name = sv_script().checkString(state, 2, nullptr);
    const char *encoding = sv_script().optString(state, 3, nullptr, nullptr);
    return sv_handle_result(state, SV_KIND_FONT, HPDF_GetFont(static_cast<HPDF_Doc>(pdf), name, encoding));
}

} // namespace

// status=doc:SaveToFile(filename)
int sv_doc_SaveToFile(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *name = sv_script().checkString(state, 2, nullptr);
    return sv_status_result(state, sv_hpdf_save(static_cast<HPDF_Doc>(pdf), name));
}

const CommandEntry sv_doc_methods[] = {
    {"GetError", M<HPDF_GetError>},
    {"GetErrorDetail", M<HPDF_GetErrorDetail>},
    {"ResetError", M<HPDF_ResetError>},
    {"GetViewerPreference", M<HPDF_GetViewerPreference>},
    {"SetViewerPreference", M<HPDF_SetViewerPreference>},
    {"SetOpenAction", M<HPDF_SetOpenAction>},
    {"SetInfoAttr", M<HPDF_SetInfoAttr>},
    {"GetInfoAttr", M<HPDF_GetInfoAttr>},
    {"SetInfoDateAttr", M<HPDF_SetInfoDateAttr>},
    {"SetPassword", SetPassword},
    {"SetPermission", M<HPDF_SetPermission>},
    {"SetEncryptionMode", SetEncryptionMode},
    {"SetCompressionMode", M<HPDF_SetCompressionMode>},
    {"AttachFile", M<HPDF_AttachFile, SV_KIND_EMBEDDED_FILE>},
    {"SetPagesConfiguration", M<HPDF_SetPagesConfiguration>},
    {"GetPageByIndex", M<HPDF_GetPageByIndex, SV_KIND_PAGE>},
    {"GetPageLayout", M<HPDF_GetPageLayout>},
    {"SetPageLayout", M<HPDF_SetPageLayout>},
    {"GetPageMode", M<HPDF_GetPageMode>},
    {"SetPageMode", M<HPDF_SetPageMode>},
    {"GetCurrentPage", M<HPDF_GetCurrentPage, SV_KIND_PAGE>},
    {"AddPage", M<HPDF_AddPage, SV_KIND_PAGE>},
    {"InsertPage", M<HPDF_InsertPage, SV_KIND_PAGE>},
    {"AddPageLabel", AddPageLabel},
    {"LoadPNGImage", sv_doc_LoadPNGImage},
    {"LoadJPEGImage", sv_doc_LoadJPEGImage},
    {"LoadRawImage", sv_doc_LoadRawImage},
    {"CreateImageFromBrush", sv_doc_CreateImageFromBrush},
    {"CreateImageFromMem", sv_doc_CreateImageFromMem},
    {"GetFont", GetFont},
    {"LoadType1Font", M<HPDF_LoadType1FontFromFile>},
    {"LoadTTFont", sv_doc_LoadTTFont},
    {"LoadFont", sv_doc_LoadFont},
    {"UseJPFonts", M<HPDF_UseJPFonts>},
    {"UseKRFonts", M<HPDF_UseKRFonts>},
    {"UseCNSFonts", M<HPDF_UseCNSFonts>},
    {"UseCNTFonts", M<HPDF_UseCNTFonts>},
    {"CreateOutline", M<HPDF_CreateOutline, SV_KIND_OUTLINE>},
    {"UseJPEncodings", M<HPDF_UseJPEncodings>},
    {"UseKREncodings", M<HPDF_UseKREncodings>},
    {"UseCNSEncodings", M<HPDF_UseCNSEncodings>},
    {"UseCNTEncodings", M<HPDF_UseCNTEncodings>},
    {"UseUTFEncodings", M<HPDF_UseUTFEncodings>},
    {"GetEncoder", M<HPDF_GetEncoder, SV_KIND_ENCODER>},
    {"GetCurrentEncoder", M<HPDF_GetCurrentEncoder, SV_KIND_ENCODER>},
    {"SetCurrentEncoder", M<HPDF_SetCurrentEncoder>},
    {"CreateExtGState", M<HPDF_CreateExtGState, SV_KIND_EXTGS>},
    {"SaveToFile", sv_doc_SaveToFile},
    {"Free", sv_doc_Free},
    {"__gc", sv_doc_Free},
    {nullptr, nullptr},
};

const HelpString sv_doc_help[] = {
    {"status=doc:GetError() -- get last error code", 0},
    {"status=doc:GetErrorDetail() -- get detailed error code", 0},
    {"doc:ResetError() -- reset last error code", 0},
    {"flags=doc:GetViewerPreference() -- get viewer preferences", 0},
    {"status=doc:SetViewerPreference(flags) -- set viewer preferences", 0},
    {"status=doc:SetOpenAction(dst) -- set document's initial page", 0},
    {"status=doc:SetInfoAttr(type,value) -- set text of info dictionary attribute", 0},
    {"str=doc:GetInfoAttr(type) -- get text from info dictionary", 0},
    {"status=doc:SetInfoDateAttr(type,value) -- set a datetime attribute in info dictionary", 0},
    {"status=doc:SetPassword(ownerpwd[,userpwd]) -- set document password", 0},
    {"status=doc:SetPermission(permission) -- set document permissions", 0},
    {"status=doc:SetEncryptionMode(mode[,keylen]) -- set document encryption mode", 0},
    {"status=doc:SetCompressionMode(mode) -- set document compression mode", 0},
    {"file=doc:AttachFile(f$) -- attach file to document", 0},
    {"status=doc:SetPagesConfiguration(page_per_pages) -- set maximum number of pages", 0},
    {"page=doc:GetPageByIndex(idx) -- get page handle from index", 0},
    {"layout=doc:GetPageLayout() -- get current page layout setting", 0},
    {"status=doc:SetPageLayout(layout) -- set how pages should be displayed", 0},
    {"mode=doc:GetPageMode() -- get document display mode", 0},
    {"status=doc:SetPageMode(mode) -- set how document should be displayed", 0},
    {"page=doc:GetCurrentPage() -- return current page object", 0},
    {"page=doc:AddPage() -- add new page to document", 0},
    {"page=doc:InsertPage(target) -- insert new page into document", 0},
    {"status=doc:AddPageLabel(pagenum,style,firstpage[,prefix]) -- add page labeling range", 0},
    {"img=doc:LoadPNGImage(filename[,cache]) -- load external PNG image", 0},
    {"img=doc:LoadJPEGImage(filename) -- load external JPEG image", 0},
    {"img=doc:LoadRawImage(filename,width,height,colorspace) -- load raw image from file", 0},
    {"img=doc:CreateImageFromBrush(id[,table]) -- create new image from Kestrune brush", 0},
    {"img=doc:CreateImageFromMem(data,width,height,colorspace,bpc) -- create new image from memory data", 0},
    {"font=doc:GetFont(fontname[,encodingname]) -- get handle of font object", 0},
    {"font=doc:LoadType1Font(afmfilename,pfmfilename) -- load a Type1 font", 0},
    {"font=doc:LoadTTFont(filename,embedding[,index]) -- load TrueType font from file", 0},
    {"font=doc:LoadFont(name[,weight,slant,embed]) -- load font using Kestrune", 0},
    {"status=doc:UseJPFonts() -- enable Japanese fonts", 0},
    {"status=doc:UseKRFonts() -- enable Korean fonts", 0},
    {"status=doc:UseCNSFonts() -- enable simplified Chinese fonts", 0},
    {"status=doc:UseCNTFonts() -- enable traditional Chinese fonts", 0},
    {"otl=doc:CreateOutline(parent,title,encoder) -- create outline object", 0},
    {"status=doc:UseJPEncodings() -- enable Japanese encodings", 0},
    {"status=doc:UseKREncodings() -- enable Korean encodings", 0},
    {"status=doc:UseCNSEncodings() -- enable simplified Chinese encodings", 0},
    {"status=doc:UseCNTEncodings() -- enable traditional Chinese encodings", 0},
    {"status=doc:UseUTFEncodings() -- enable UTF-8 encodings", 0},
    {"enc=doc:GetEncoder(encodingname) -- get encoder object from name", 0},
    {"enc=doc:GetCurrentEncoder() -- get current encoder of document", 0},
    {"status=doc:SetCurrentEncoder(encodingname) -- set current encoder for document", 0},
    {"egs=doc:CreateExtGState() -- create extended graphics state object", 0},
    {"status=doc:SaveToFile(filename) -- save document to a file", 0},
    {"doc:Free() -- free document object", 0},
};
