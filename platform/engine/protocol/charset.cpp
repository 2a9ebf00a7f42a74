#include "charset.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace engine::protocol {
namespace {

int convert(const char *from, const char *to, const char *in, char *out, size_t outSize) {
    if (outSize == 0)
        return E2BIG;
    out[0] = '\0';
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return errno;
    char *src = const_cast<char *>(in);
    size_t srcLeft = std::strlen(in);
    char *dst = out;
    size_t dstLeft = outSize - 1; // keep room for the terminator
    int result = 0;
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
        result = errno == EINVAL ? EILSEQ : errno;
    else if (iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1))
        result = errno;
    iconv_close(cd);
    if (result != 0) {
        out[0] = '\0';
        return result;
    }
    *dst = '\0';
    return 0;
}

} // namespace

int systemToUtf8(const char *in, char *out, size_t outSize) {
    return convert(kSystemCharset, "UTF-8", in, out, outSize);
}

int utf8ToSystem(const char *in, char *out, size_t outSize) {
    return convert("UTF-8", kSystemCharset, in, out, outSize);
}

} // namespace engine::protocol
