// Texts between scripts (UTF-8 in UTF-8 mode) and the toolkit (the system
// character set). Pure 7-bit texts never need converting.
#pragma once

#include <cstddef>

// True when the text has a byte of 128 or more.
bool fl_has_high_bytes(const char *text);

// A new text in the system character set (host memory, freed with the
// host's freeMem), or null when out of memory. Uses the host's converter and
// falls back to decoding two-byte sequences itself; never reads past `length`.
char *fl_utf8_to_system(const char *text, size_t length);
// A new text in UTF-8 (host memory), or null when out of memory.
char *fl_system_to_utf8(const char *text);
