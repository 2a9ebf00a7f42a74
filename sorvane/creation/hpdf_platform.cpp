// libharu's platform layer over the host: memory and the save stream.
#include "hpdf_platform.h"

#include "../frame/plugin.h"

namespace {

// Writes what libharu hands the stream to the host file kept in the stream.
HPDF_STATUS write_to_host_file(HPDF_Stream stream, const HPDF_BYTE *data, HPDF_UINT size)
{
    auto *file = static_cast<KsFile *>(stream->attr);
    if (sv_files().write(file, data, int64_t(size)) != int64_t(size))
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, 0);
    return HPDF_OK;
}

} // namespace

void *sv_hpdf_alloc(HPDF_UINT size) { return sv_runtime().alloc(size); }
void sv_hpdf_free(void *block) { sv_runtime().free(block); }

HPDF_STATUS sv_hpdf_save(HPDF_Doc pdf, const char *name)
{
    // A document in an error state (or none at all) is reported by libharu itself.
    if (!HPDF_HasDoc(pdf)) return HPDF_INVALID_DOCUMENT;
    // A file that is there already may be something other than a plain file
    // (a device, say): a failed save removes only a file it made itself.
    KsFile *existing = sv_files().open(name, KS_FILE_READ);
    if (existing) sv_files().close(existing);
    KsFile *file = sv_files().open(name, KS_FILE_WRITE);
    if (!file) return HPDF_RaiseError(&pdf->error, HPDF_FILE_OPEN_ERROR, 0);
    HPDF_Stream stream = HPDF_CallbackWriter_New(pdf->mmgr, write_to_host_file, file);
    HPDF_STATUS status;
    if (!stream) {
        status = HPDF_CheckError(&pdf->error);
    } else {
        // libharu writes a document into its own stream; for the length of the
        // save that stream is the one over the host file.
        HPDF_Stream own = pdf->stream;
        pdf->stream = stream;
        status = HPDF_SaveToStream(pdf);
        pdf->stream = own;
        HPDF_Stream_Free(stream);
    }
    sv_files().close(file);
    if (status != HPDF_OK && !existing) sv_files().remove(name);
    return status;
}

HPDF_STATUS sv_hpdf_read_file(HPDF_Doc pdf, const char *name, HPDF_BYTE **data, HPDF_UINT *size)
{
    *data = nullptr;
    *size = 0;
    if (!HPDF_HasDoc(pdf)) return HPDF_INVALID_DOCUMENT;
    KsFile *file = sv_files().open(name, KS_FILE_READ);
    if (!file) return HPDF_RaiseError(&pdf->error, HPDF_FILE_OPEN_ERROR, 0);
    // The host's seek answers the position before it: seeking back from the end tells the length.
    sv_files().seek(file, 0, KS_SEEK_END);
    int64_t length = sv_files().seek(file, 0, KS_SEEK_START);
    HPDF_STATUS status = HPDF_OK;
    if (length < 0 || length > int64_t(UINT32_MAX)) {
        status = HPDF_RaiseError(&pdf->error, HPDF_FILE_IO_ERROR, 0);
    } else {
        *data = static_cast<HPDF_BYTE *>(sv_system().allocMem(size_t(length) + 1, 0, "filebuf"));
        if (!*data) {
            status = HPDF_RaiseError(&pdf->error, HPDF_FAILD_TO_ALLOC_MEM, 0);
        } else if (sv_files().read(file, *data, length) != length) {
            sv_hpdf_free_file(*data);
            *data = nullptr;
            status = HPDF_RaiseError(&pdf->error, HPDF_FILE_IO_ERROR, 0);
        } else {
            *size = HPDF_UINT(length);
        }
    }
    sv_files().close(file);
    return status;
}

void sv_hpdf_free_file(HPDF_BYTE *data) { sv_system().freeMem(data); }
