// libharu's platform layer: its memory comes from the host's runtime
// allocator and documents are saved through a libharu stream over the
// host's file services.
#pragma once

#include <hpdf.h>

void *sv_hpdf_alloc(HPDF_UINT size);
void sv_hpdf_free(void *block);

// Saves the document into the file `name` through the host's file services.
// A failed save removes the partly written file when the save made it.
// Returns libharu's status.
HPDF_STATUS sv_hpdf_save(HPDF_Doc pdf, const char *name);
