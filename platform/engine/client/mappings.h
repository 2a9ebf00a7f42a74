// The client's views of shared bitmap pixels, by bitmap handle.
#ifndef ENGINE_CLIENT_MAPPINGS_H
#define ENGINE_CLIENT_MAPPINGS_H

#include <cstddef>
#include <cstdint>

namespace engine::client {

// Maps the pixels passed as `fd` (the descriptor is closed) and files them under the
// bitmap's handle. Returns 0 or an errno value.
int mapPixels(uint64_t bitmap, int fd);

// The mapping filed under the handle, or null.
void *pixelsOf(uint64_t bitmap);

// Unmaps one bitmap's pixels, or all of them.
void unmapPixels(uint64_t bitmap);
void unmapAllPixels();

} // namespace engine::client

#endif
