// Document methods that make images from PNG files and from memory.
#include "arguments.h"
#include "document.h"

// img=doc:LoadPNGImage(filename[,cache]): cache 0 reads the image now; any
// other value keeps the file's name and reads it when the document is saved.
int sv_doc_LoadPNGImage(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *name = sv_script().checkString(state, 2, nullptr);
    bool cache = sv_truncate(sv_script().optNumber(state, 3, 0)) != 0;
    auto doc = static_cast<HPDF_Doc>(pdf);
    HPDF_Image image = cache ? HPDF_LoadPngImageFromFile2(doc, name) : HPDF_LoadPngImageFromFile(doc, name);
    return sv_handle_result(state, SV_KIND_IMAGE, image);
}

// img=doc:CreateImageFromMem(data,width,height,colorspace,bpc): data is a
// light pointer to the pixels.
int sv_doc_CreateImageFromMem(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    if (s.typeOf(state, 2) != KS_TYPE_LIGHTPOINTER) return KS_ERR_USAGE;
    auto *data = static_cast<const HPDF_BYTE *>(s.toPointer(state, 2));
    auto width = HPDF_UINT(sv_truncate(s.checkNumber(state, 3)));
    auto height = HPDF_UINT(sv_truncate(s.checkNumber(state, 4)));
    auto space = HPDF_ColorSpace(sv_truncate(s.checkNumber(state, 5)));
    auto bits = HPDF_UINT(sv_truncate(s.checkNumber(state, 6)));
    HPDF_Image image = HPDF_LoadRawImageFromMem(static_cast<HPDF_Doc>(pdf), data, width, height, space, bits);
    return sv_handle_result(state, SV_KIND_IMAGE, image);
}
