// Document methods that make images from PNG files and from memory.
#include "arguments.h"
#include "document.h"
#include "hpdf_platform.h"

namespace {

HPDF_Image png_from_memory(HPDF_Doc pdf, const HPDF_BYTE *data, HPDF_UINT size)
{
    return HPDF_LoadPngImageFromMem(pdf, data, size);
}

HPDF_Image jpeg_from_memory(HPDF_Doc pdf, const HPDF_BYTE *data, HPDF_UINT size)
{
    return HPDF_LoadJpegImageFromMem(pdf, data, size);
}

// Reads the image file through the host and hands its bytes to libharu.
HPDF_Image load_through_host(HPDF_Doc pdf, const char *name,
                             HPDF_Image (*load)(HPDF_Doc, const HPDF_BYTE *, HPDF_UINT))
{
    HPDF_BYTE *data;
    HPDF_UINT size;
    if (sv_hpdf_read_file(pdf, name, &data, &size) != HPDF_OK) return nullptr;
    HPDF_Image image = load(pdf, data, size);
    sv_hpdf_free_file(data);
    return image;
}

} // namespace

// img=doc:LoadPNGImage(filename[,cache]): cache 0 reads the image now,
// through the host's files; any other value keeps the file's name and lets
// libharu read the file when the document is saved.
int sv_doc_LoadPNGImage(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *name = sv_script().checkString(state, 2, nullptr);
    bool cache = sv_truncate(sv_script().optNumber(state, 3, 0)) != 0;
    auto doc = static_cast<HPDF_Doc>(pdf);
    HPDF_Image image = cache ? HPDF_LoadPngImageFromFile2(doc, name) : load_through_host(doc, name, png_from_memory);
    return sv_handle_result(state, SV_KIND_IMAGE, image);
}

// img=doc:LoadJPEGImage(filename), read through the host's files.
int sv_doc_LoadJPEGImage(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const char *name = sv_script().checkString(state, 2, nullptr);
    return sv_handle_result(state, SV_KIND_IMAGE, load_through_host(static_cast<HPDF_Doc>(pdf), name, jpeg_from_memory));
}

// img=doc:LoadRawImage(filename,width,height,colorspace): 8-bit samples read
// through the host's files; a file shorter than the image is a file error.
int sv_doc_LoadRawImage(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    const char *name = s.checkString(state, 2, nullptr);
    auto width = HPDF_UINT(sv_truncate(s.checkNumber(state, 3)));
    auto height = HPDF_UINT(sv_truncate(s.checkNumber(state, 4)));
    auto space = HPDF_ColorSpace(sv_truncate(s.checkNumber(state, 5)));
    auto doc = static_cast<HPDF_Doc>(pdf);
    int components = space == HPDF_CS_DEVICE_GRAY ? 1 : space == HPDF_CS_DEVICE_RGB ? 3 : 4;
    HPDF_Image image = nullptr;
    HPDF_BYTE *data;
    HPDF_UINT size;
    if (sv_hpdf_read_file(doc, name, &data, &size) == HPDF_OK) {
        if (double(width) * double(height) * double(components) > double(size))
            HPDF_RaiseError(&doc->error, HPDF_FILE_IO_ERROR, 0);
        else
            image = HPDF_LoadRawImageFromMem(doc, data, width, height, space, 8);
        sv_hpdf_free_file(data);
    }
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
