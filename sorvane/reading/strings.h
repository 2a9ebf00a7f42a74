// Engine text (UTF-16LE) handed to scripts as UTF-8 strings.
#pragma once

#include "kestrune.h"

#include <cstddef>

// Converts `bytes` bytes of UTF-16LE into a cleared host block of `capacity`
// bytes (tag "ubuf" or as given), pushes the result up to its first NUL and
// frees the block. Returns 0, or host code 1000 when the block cannot be had
// (then nothing is pushed).
int sv_push_utf16le(ScriptState *state, const void *units, size_t bytes, size_t capacity, const char *tag);
