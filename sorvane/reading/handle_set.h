// A set of engine handles in host memory, for walks over structures read from
// a file that may loop back on themselves.
#pragma once

#include "../frame/engine.h"

#include <cstddef>

struct SvHandleSet {
    engine::Handle *slots; // open addressing; 0 marks a free slot (no handle is 0)
    size_t capacity;       // a power of two, or 0 before the first insertion
    size_t count;
};

// Adds a handle: 1 when it was new, 0 when it was there already, host code
// 1000 as a negative number (-1000) when memory ran out.
int sv_handle_set_add(SvHandleSet *set, engine::Handle handle);
void sv_handle_set_free(SvHandleSet *set);
