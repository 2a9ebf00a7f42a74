// doc:CreateImageFromBrush: a host brush as a PDF image, either raw RGB or
// compressed to JPEG through libjpeg. The brush's alpha is dropped.
#include "arguments.h"
#include "document.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace {

constexpr size_t kChunkSize = 4096;

// One pixel row as R, G, B bytes.
void row_to_rgb(const uint32_t *pixels, int width, unsigned char *out)
{
    for (int x = 0; x < width; x++) {
        uint32_t p = pixels[x];
        out[3 * x] = static_cast<unsigned char>(p >> 16);
        out[3 * x + 1] = static_cast<unsigned char>(p >> 8);
        out[3 * x + 2] = static_cast<unsigned char>(p);
    }
}

// The JPEG compressor's state: libjpeg's records, the error jump and the
// buffers, all freed in one place whatever way the compression ends.
struct JpegJob {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    jpeg_destination_mgr destination;
    std::jmp_buf failed;
    bool created;
    unsigned char *chunk;  // the 4096 bytes libjpeg writes into
    unsigned char *line;   // one row as RGB
    unsigned char *output; // the whole compressed image
    size_t size, capacity;
};

JpegJob *job_of(j_compress_ptr cinfo) { return reinterpret_cast<JpegJob *>(cinfo); }

[[noreturn]] void jpeg_failed(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegJob *>(cinfo)->failed, 1); }
void jpeg_quiet(j_common_ptr) {}

// Appends bytes to the output, growing it when the compressed image is larger
// than expected (small or very noisy brushes).
bool append(JpegJob *job, const unsigned char *data, size_t n)
{
    if (job->size + n > job->capacity) {
        size_t capacity = (job->size + n) * 2;
        auto *grown = static_cast<unsigned char *>(sv_system().allocMem(capacity, 0, "jpegout"));
        if (!grown) return false;
        if (job->size) std::memcpy(grown, job->output, job->size);
        sv_system().freeMem(job->output);
        job->output = grown;
        job->capacity = capacity;
    }
    std::memcpy(job->output + job->size, data, n);
    job->size += n;
    return true;
}

void destination_init(j_compress_ptr cinfo)
{
    JpegJob *job = job_of(cinfo);
    job->destination.next_output_byte = job->chunk;
    job->destination.free_in_buffer = kChunkSize;
}

boolean destination_full(j_compress_ptr cinfo)
{
    JpegJob *job = job_of(cinfo);
    if (!append(job, job->chunk, kChunkSize)) std::longjmp(job->failed, 1);
    destination_init(cinfo);
    return TRUE;
}

void destination_term(j_compress_ptr cinfo)
{
    JpegJob *job = job_of(cinfo);
    if (!append(job, job->chunk, kChunkSize - job->destination.free_in_buffer)) std::longjmp(job->failed, 1);
}

void free_job(JpegJob *job)
{
    if (job->created) jpeg_destroy_compress(&job->cinfo);
    sv_system().freeMem(job->chunk);
    sv_system().freeMem(job->line);
    sv_system().freeMem(job->output);
    sv_system().freeMem(job);
}

// Compresses the locked brush; the job keeps the result. 0 or host code 1000.
int compress(JpegJob *job, const KsBrushLock &lock, int quality)
{
    if (setjmp(job->failed)) return KS_ERR_MEMORY;
    job->cinfo.err = jpeg_std_error(&job->errors);
    job->errors.error_exit = jpeg_failed;
    job->errors.output_message = jpeg_quiet;
    jpeg_create_compress(&job->cinfo);
    job->created = true;
    job->destination.init_destination = destination_init;
    job->destination.empty_output_buffer = destination_full;
    job->destination.term_destination = destination_term;
    job->cinfo.dest = &job->destination;
    job->cinfo.image_width = JDIMENSION(lock.width);
    job->cinfo.image_height = JDIMENSION(lock.height);
    job->cinfo.input_components = 3;
    job->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job->cinfo);
    jpeg_set_quality(&job->cinfo, quality, TRUE);
    jpeg_start_compress(&job->cinfo, TRUE);
    for (int y = 0; y < lock.height; y++) {
        row_to_rgb(lock.pixels + size_t(y) * size_t(lock.pixelsPerRow), lock.width, job->line);
        JSAMPROW row = job->line;
        jpeg_write_scanlines(&job->cinfo, &row, 1);
    }
    jpeg_finish_compress(&job->cinfo);
    return 0;
}

// The image of the locked brush, raw or as JPEG; 0 or host code 1000.
int make_image(HPDF_Doc pdf, const KsBrushLock &lock, bool jpeg, int quality, HPDF_Image *image)
{
    size_t width = size_t(lock.width), height = size_t(lock.height);
    if (!jpeg) {
        auto *rgb = static_cast<unsigned char *>(sv_system().allocMem(width * height * 3, 0, "rgb"));
        if (!rgb) return KS_ERR_MEMORY;
        for (size_t y = 0; y < height; y++)
            row_to_rgb(lock.pixels + y * size_t(lock.pixelsPerRow), lock.width, rgb + y * width * 3);
        *image = HPDF_LoadRawImageFromMem(pdf, rgb, HPDF_UINT(width), HPDF_UINT(height), HPDF_CS_DEVICE_RGB, 8);
        sv_system().freeMem(rgb);
        return 0;
    }
    auto *job = static_cast<JpegJob *>(sv_system().allocMem(sizeof(JpegJob), 1, "jpegjob"));
    if (!job) return KS_ERR_MEMORY;
    job->capacity = width * height * 3;
    job->chunk = static_cast<unsigned char *>(sv_system().allocMem(kChunkSize, 0, "buffer1"));
    job->line = static_cast<unsigned char *>(sv_system().allocMem(width * 3, 0, "linebuf"));
    job->output = static_cast<unsigned char *>(sv_system().allocMem(job->capacity, 0, "jpegout"));
    int err = job->chunk && job->line && job->output ? compress(job, lock, quality) : KS_ERR_MEMORY;
    if (!err) *image = HPDF_LoadJpegImageFromMem(pdf, job->output, HPDF_UINT(job->size));
    free_job(job);
    return err;
}

// Reads an optional integer field of the options table at `pos`.
int64_t option(ScriptState *state, int pos, const char *key, int64_t fallback)
{
    const KsScriptServices &s = sv_script();
    if (pos == 0) return fallback;
    s.getField(state, pos, key);
    int isNumber = 0;
    double v = s.toNumber(state, -1, &isNumber);
    s.pop(state, 1);
    return isNumber ? sv_truncate(v) : fallback;
}

} // namespace

// img=doc:CreateImageFromBrush(id[,table]): table fields "usejpeg" (default 0)
// and "quality" (default 90).
int sv_doc_CreateImageFromBrush(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    int options = 0;
    if (s.argCount(state) >= 3) {
        s.checkTable(state, 3);
        options = 3;
    }
    ScriptId id;
    s.checkId(state, 2, &id);
    bool jpeg = option(state, options, "usejpeg", 0) != 0;
    int64_t quality = option(state, options, "quality", 90);
    if (quality < 0) quality = 0;
    if (quality > 100) quality = 100;

    const KsGraphicsServices *graphics = sv.api->graphics;
    KsBrushLock lock = {};
    if (!graphics || graphics->lockBrush(&id, &lock) != 0 || !lock.pixels || lock.width <= 0 || lock.height <= 0) {
        if (lock.brush) graphics->unlockBrush(&lock);
        return sv_error_with_number(SV_ERR_BRUSH_DATA, int(id.number));
    }
    HPDF_Image image = nullptr;
    int err = make_image(static_cast<HPDF_Doc>(pdf), lock, jpeg, int(quality), &image);
    graphics->unlockBrush(&lock);
    if (err) {
        sv_clear_library_error();
        return err;
    }
    return sv_handle_result(state, SV_KIND_IMAGE, image);
}
