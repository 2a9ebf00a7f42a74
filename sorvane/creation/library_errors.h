// libharu's errors as script errors.
//
// libharu calls the plugin's error handler from deep inside its functions.
// Raising the script error from there would jump over libharu's own clean-up
// (and over libpng's and libjpeg's), so the handler only records the first
// error of the call; the method raises it once libharu has returned, by
// returning the "%s" error with the error's description.
#pragma once

#include "kestrune.h"

#include <hpdf.h>

// The handler given to libharu; its user data is the document's handle.
void sv_hpdf_error_handler(HPDF_STATUS code, HPDF_STATUS detail, void *userData);

// Forgets an error recorded earlier.
void sv_clear_library_error();

// After a libharu call: 0 when no error was recorded, else the error to
// return (the "%s" message with the description and detail). The document's
// libharu error state is reset then, so that the next call starts clean.
int sv_library_error();

// Formats the description of a libharu error code as the script sees it.
void sv_describe_library_error(char *buffer, size_t size, HPDF_STATUS code, HPDF_STATUS detail);
