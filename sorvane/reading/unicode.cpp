// UTF-16LE to UTF-8 for text coming from the engine, and UTF-8 to UTF-16 for
// search text going to it.
#include "unicode.h"

namespace {

bool is_high_surrogate(uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool is_low_surrogate(uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Writes one code point (at most 0x10FFFF) and returns the bytes used.
size_t put_utf8(uint32_t c, unsigned char *o)
{
    if (c < 0x80) {
        o[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        o[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        o[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        o[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        o[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        o[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 3;
    }
    o[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    o[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    o[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    o[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
}

// Sequence length announced by a lead byte, 0 for a byte that cannot start one.
int sequence_length(unsigned char b)
{
    if (b < 0x80) return 1;
    if (b >= 0xC0 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF7) return 4;
    return 0; // a continuation byte, or a lead byte above 0xF7
}

} // namespace

size_t sv_utf16le_to_utf8(const void *in, size_t bytes, char *out, size_t capacity)
{
    const auto *p = static_cast<const unsigned char *>(in);
    auto *o = reinterpret_cast<unsigned char *>(out);
    size_t units = bytes / 2;
    size_t written = 0;
    for (size_t i = 0; i < units && written + 5 < capacity; i++) {
        uint32_t u = uint32_t(p[2 * i]) | uint32_t(p[2 * i + 1]) << 8;
        if (is_high_surrogate(u)) {
            if (i + 1 == units) break; // the pair's second half is missing: dropped
            uint32_t lo = uint32_t(p[2 * i + 2]) | uint32_t(p[2 * i + 3]) << 8;
            if (!is_low_surrogate(lo)) break;
            u = (((u & 0x3FF) << 10) | (lo & 0x3FF)) + 0x10000;
            i++;
        } else if (is_low_surrogate(u)) {
            break; // would not be valid UTF-8
        }
        written += put_utf8(u, o + written);
    }
    if (capacity > 0) o[written] = 0;
    return written;
}

size_t sv_utf8_to_utf16(const char *in, size_t bytes, uint16_t *out, size_t capacity)
{
    static const uint32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000}; // below these a form is overlong
    if (capacity == 0) return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(in);
    size_t written = 0;
    size_t i = 0;
    while (i < bytes) {
        int length = sequence_length(p[i]);
        if (length == 0 || i + size_t(length) > bytes) break;
        uint32_t c = length == 1 ? p[i] : p[i] & (0x7F >> length);
        int k = 1;
        for (; k < length && (p[i + k] & 0xC0) == 0x80; k++) c = c << 6 | (p[i + k] & 0x3F);
        if (k < length) break; // truncated by a byte that does not continue it
        if (c < smallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) break;
        size_t need = c > 0xFFFF ? 2 : 1;
        if (written + need + 1 > capacity) break;
        if (need == 2) {
            c -= 0x10000;
            out[written++] = uint16_t(0xD800 | (c >> 10));
            out[written++] = uint16_t(0xDC00 | (c & 0x3FF));
        } else {
            out[written++] = uint16_t(c);
        }
        i += size_t(length);
    }
    out[written] = 0;
    return written;
}
