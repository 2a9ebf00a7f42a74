// Inline images of texts: ARGB pictures registered with the layer and named
// by a 32-bit key, which the text codes carry as 8 hexadecimal digits
// ("\eA[0000002a]"). Keys are never addresses and never reused while the
// layer lives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tk {

struct InlineImage {
    int width = 0, height = 0;
    std::vector<uint32_t> argb; // rows packed
};

// Copies a picture (`mod` pixels per row) into the registry; its key, or 0
// for a bad size or no pixels.
uint32_t registerImage(int width, int height, const uint32_t *argb, long mod);
// Removes a picture; false when the key names none.
bool unregisterImage(uint32_t key);
const InlineImage *findImage(uint32_t key);
size_t registeredImages();

} // namespace tk
