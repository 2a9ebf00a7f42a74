// File names between the system character set, in which they reach the engine, and the
// UTF-8 bytes the operating system uses.
#ifndef ENGINE_PROTOCOL_CHARSET_H
#define ENGINE_PROTOCOL_CHARSET_H

#include <cstddef>

namespace engine::protocol {

// The character set of names handed to FPDF_LoadDocument.
inline constexpr char kSystemCharset[] = "ISO-8859-1";

// Converts the NUL-terminated `in` into `out` (room for `outSize` bytes including the
// terminator). Returns 0, EILSEQ when a character has no representation in the target
// set, or E2BIG when the result does not fit. On failure `out` holds an empty string.
int systemToUtf8(const char *in, char *out, size_t outSize);
int utf8ToSystem(const char *in, char *out, size_t outSize);

} // namespace engine::protocol

#endif
