// libharu's platform layer: its memory comes from the host's runtime
// allocator, documents are saved through a libharu stream over the host's
// file services, and image files are read through them.
#pragma once

#include <hpdf.h>

void *sv_hpdf_alloc(HPDF_UINT size);
void sv_hpdf_free(void *block);

// Saves the document into the file `name` through the host's file services.
// A failed save removes the partly written file when the save made it.
// Returns libharu's status.
HPDF_STATUS sv_hpdf_save(HPDF_Doc pdf, const char *name);

// Reads the whole file `name` through the host's file services into a block
// the caller frees with sv_hpdf_free_file. A file that cannot be opened or
// read is reported to libharu as its own file error (detail 0), so the
// document's error handler hears of it; answers libharu's status.
HPDF_STATUS sv_hpdf_read_file(HPDF_Doc pdf, const char *name, HPDF_BYTE **data, HPDF_UINT *size);
void sv_hpdf_free_file(HPDF_BYTE *data);
