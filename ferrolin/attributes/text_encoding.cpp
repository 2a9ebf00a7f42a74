// Texts between scripts and the toolkit.
#include "text_encoding.h"

#include "../frame/plugin.h"

#include <cstring>

namespace {

char *copy_of(const char *text, size_t length)
{
    auto *copy = static_cast<char *>(fl_system().allocMem(length + 1, 0, "convtext"));
    if (!copy) return nullptr;
    std::memcpy(copy, text, length);
    copy[length] = 0;
    return copy;
}

// Takes the host's converted text into a block of our own.
char *adopt(char *converted)
{
    if (!converted) return nullptr;
    char *copy = copy_of(converted, std::strlen(converted));
    fl_system().freeText(converted);
    return copy;
}

} // namespace

bool fl_has_high_bytes(const char *text)
{
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); p && *p; p++)
        if (*p >= 0x80) return true;
    return false;
}

char *fl_utf8_to_system(const char *text, size_t length)
{
    char *bounded = copy_of(text, length);
    if (!bounded || !fl_has_high_bytes(bounded)) return bounded;
    if (char *converted = adopt(fl_system().convertText(bounded, KS_ENCODING_UTF8, KS_ENCODING_SYSTEM))) {
        fl_system().freeMem(bounded);
        return converted;
    }
    // Fallback: a byte of 128 or more leads a two-byte sequence taken as one character.
    size_t out = 0;
    for (size_t i = 0; i < length && bounded[i]; i++) {
        auto lead = static_cast<unsigned char>(bounded[i]);
        if (lead < 0x80) {
            bounded[out++] = char(lead);
        } else if (i + 1 < length && bounded[i + 1]) {
            auto second = static_cast<unsigned char>(bounded[++i]);
            bounded[out++] = char(((lead & 0x1F) << 6) | (second & 0x3F));
        }
    }
    bounded[out] = 0;
    return bounded;
}

char *fl_system_to_utf8(const char *text)
{
    if (!fl_has_high_bytes(text)) return copy_of(text, std::strlen(text));
    return adopt(fl_system().convertText(text, KS_ENCODING_SYSTEM, KS_ENCODING_UTF8));
}
