// Conversions between the engine's UTF-16 and the UTF-8 strings scripts see.
// Pure functions over caller-owned buffers; they never allocate.
#pragma once

#include <cstddef>
#include <cstdint>

// UTF-16 in little-endian byte order (as the engine hands out text) to UTF-8.
// `bytes` is the input length in bytes; an odd count loses its last byte.
// Converting stops when the input is used up, when fewer than six bytes of
// output room would be left (so the longest sequence and the terminator always
// fit, and a capacity of five bytes or less gets nothing), at a high surrogate
// that no low surrogate follows, and at a low surrogate that no high one
// precedes; a high surrogate as the very last unit is dropped. Whatever was
// converted stays. The output is NUL-terminated whenever capacity > 0.
// Returns the number of bytes written, the terminator not counted.
size_t sv_utf16le_to_utf8(const void *in, size_t bytes, char *out, size_t capacity);

// UTF-8 to UTF-16 units in the machine's order, ended by a zero unit. Code
// points above 0xFFFF become surrogate pairs. Converting stops at a stray
// continuation byte, a lead byte above 0xF7, a truncated sequence, an overlong
// form, an encoded surrogate, a code point above 0x10FFFF, or when the next
// character and the terminator would not fit in `capacity` units. Whatever was
// converted stays. Nothing is written when capacity is 0.
// Returns the number of units written, the terminator not counted.
size_t sv_utf8_to_utf16(const char *in, size_t bytes, uint16_t *out, size_t capacity);
