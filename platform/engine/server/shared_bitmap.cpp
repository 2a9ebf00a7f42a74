#include "shared_bitmap.h"

#include "handles.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace engine::server {
namespace {

int newSharedPixels(size_t bytes, SparePixels *out) {
    int fd = memfd_create("sorvane-bitmap", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return errno;
    if (ftruncate(fd, static_cast<off_t>(bytes)) != 0 ||
        fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL) != 0) {
        int e = errno;
        close(fd);
        return e;
    }
    void *pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED) {
        int e = errno;
        close(fd);
        return e;
    }
    *out = {pixels, bytes, fd};
    return 0;
}

} // namespace

int createSharedBitmap(int width, int height, bool alpha, HandleTable &table, SharedBitmap *out) {
    *out = SharedBitmap{};
    if (width <= 0 || height <= 0)
        return EINVAL;
    uint64_t stride = uint64_t(width) * 4;
    uint64_t bytes = stride * uint64_t(height);
    if (stride > INT_MAX || bytes > kMaxBitmapBytes)
        return EINVAL;
    SparePixels spare;
    if (!table.takePixels(bytes, &spare))
        if (int e = newSharedPixels(bytes, &spare))
            return e;
    int fd = spare.fd;
    void *pixels = spare.pixels;
    PdfBitmap *bitmap = FPDFBitmap_CreateEx(width, height, alpha ? FPDFBitmap_BGRA : FPDFBitmap_BGRx, pixels,
                                            static_cast<int>(stride));
    if (!bitmap) {
        munmap(pixels, bytes);
        close(fd);
        return ENOMEM;
    }
    *out = SharedBitmap{bitmap, pixels, bytes, fd};
    return 0;
}

void releaseSharedPixels(SharedBitmap &shared) {
    if (shared.pixels)
        munmap(shared.pixels, shared.bytes);
    if (shared.fd >= 0)
        close(shared.fd);
    shared = SharedBitmap{};
}

} // namespace engine::server
