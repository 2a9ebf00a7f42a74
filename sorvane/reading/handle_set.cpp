// Open-addressing set of handles, grown by doubling before it is half full.
#include "handle_set.h"

#include "../frame/plugin.h"

namespace {

size_t slot_of(engine::Handle handle, size_t capacity)
{
    uint64_t h = uint64_t(handle);
    h ^= h >> 29;
    h *= 0x9E3779B97F4A7C15ull;
    return size_t(h >> 32) & (capacity - 1);
}

// Inserts into a table known to have room; returns whether the handle was new.
bool insert(engine::Handle *slots, size_t capacity, engine::Handle handle)
{
    for (size_t i = slot_of(handle, capacity);; i = (i + 1) & (capacity - 1)) {
        if (slots[i] == handle) return false;
        if (slots[i] == 0) {
            slots[i] = handle;
            return true;
        }
    }
}

bool grow(SvHandleSet *set)
{
    size_t capacity = set->capacity ? set->capacity * 2 : 64;
    auto *slots = static_cast<engine::Handle *>(sv_system().allocMem(capacity * sizeof(engine::Handle), 1, "handleset"));
    if (!slots) return false;
    for (size_t i = 0; i < set->capacity; i++)
        if (set->slots[i]) insert(slots, capacity, set->slots[i]);
    sv_system().freeMem(set->slots);
    set->slots = slots;
    set->capacity = capacity;
    return true;
}

} // namespace

int sv_handle_set_add(SvHandleSet *set, engine::Handle handle)
{
    if ((set->count + 1) * 2 > set->capacity && !grow(set)) return -KS_ERR_MEMORY;
    if (!insert(set->slots, set->capacity, handle)) return 0;
    set->count++;
    return 1;
}

void sv_handle_set_free(SvHandleSet *set)
{
    sv_system().freeMem(set->slots);
    *set = {nullptr, 0, 0};
}
