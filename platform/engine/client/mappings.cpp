#include "mappings.h"

#include <cerrno>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace engine::client {
namespace {

struct Mapping {
    uint64_t bitmap;
    void *pixels;
    size_t bytes;
};

// A handful of bitmaps are alive at a time; a plain list is searched fastest.
std::vector<Mapping> mappings;

} // namespace

int mapPixels(uint64_t bitmap, int fd) {
    struct stat st;
    int e = 0;
    void *pixels = MAP_FAILED;
    if (fstat(fd, &st) != 0)
        e = errno;
    else if (st.st_size <= 0)
        e = EINVAL;
    else if ((pixels = mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd, 0)) ==
             MAP_FAILED)
        e = errno;
    close(fd);
    if (e)
        return e;
    unmapPixels(bitmap);
    mappings.push_back({bitmap, pixels, static_cast<size_t>(st.st_size)});
    return 0;
}

void *pixelsOf(uint64_t bitmap) {
    for (const Mapping &m : mappings)
        if (m.bitmap == bitmap)
            return m.pixels;
    return nullptr;
}

void unmapPixels(uint64_t bitmap) {
    for (size_t i = 0; i < mappings.size(); ++i) {
        if (mappings[i].bitmap == bitmap) {
            munmap(mappings[i].pixels, mappings[i].bytes);
            mappings[i] = mappings.back();
            mappings.pop_back();
            return;
        }
    }
}

void unmapAllPixels() {
    for (const Mapping &m : mappings)
        munmap(m.pixels, m.bytes);
    mappings.clear();
}

} // namespace engine::client
