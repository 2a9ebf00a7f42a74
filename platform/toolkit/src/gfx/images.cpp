// The registry of inline images, kept in the world so both modules that
// link the layer see the same keys.
#include "toolkit/images.h"

#include "toolkit/world.h"

namespace tk {

uint32_t registerImage(int width, int height, const uint32_t *argb, long mod)
{
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || !argb || mod < width) return 0;
    World &w = world();
    InlineImage *image = new InlineImage;
    image->width = width;
    image->height = height;
    image->argb.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image->argb[size_t(y) * size_t(width) + size_t(x)] = argb[long(y) * mod + x];
    // Key 0 means "none"; keys count up and are not handed out twice.
    if (w.nextImageKey == 0) w.nextImageKey = 1;
    const uint32_t key = w.nextImageKey++;
    w.images[key] = image;
    return key;
}

bool unregisterImage(uint32_t key)
{
    World &w = world();
    auto it = w.images.find(key);
    if (it == w.images.end()) return false;
    delete it->second;
    w.images.erase(it);
    return true;
}

const InlineImage *findImage(uint32_t key)
{
    World &w = world();
    auto it = w.images.find(key);
    return it == w.images.end() ? nullptr : it->second;
}

size_t registeredImages() { return world().images.size(); }

} // namespace tk
