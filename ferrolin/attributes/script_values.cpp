// Numbers and colours as scripts and descriptions give them.
#include "script_values.h"

#include "../frame/plugin.h"

#include <cmath>

int32_t fl_script_number(double value)
{
    if (!std::isfinite(value)) return 0;
    double whole = std::trunc(value);
    if (whole >= -2147483648.0 && whole <= 2147483647.0) return int32_t(whole);
    double wrapped = std::fmod(whole, 4294967296.0); // exact for doubles, sign of `whole`
    if (wrapped < 0) wrapped += 4294967296.0;
    return int32_t(uint32_t(wrapped));
}

void fl_spread_color(uint32_t rgb, uint32_t components[3])
{
    components[0] = ((rgb >> 16) & 0xFF) * 0x01010101u;
    components[1] = ((rgb >> 8) & 0xFF) * 0x01010101u;
    components[2] = (rgb & 0xFF) * 0x01010101u;
}

uint32_t fl_collect_color(const uint32_t components[3])
{
    return ((components[0] >> 24) << 16) | ((components[1] >> 24) << 8) | (components[2] >> 24);
}

int fl_parse_color(const char *text, uint32_t *rgb)
{
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (!text || text[0] != '#' || hex(text[1]) < 0) return fl_error(FL_ERR_INVALID_COLOR);
    uint32_t value = 0;
    for (const char *p = text + 1; hex(*p) >= 0; p++) value = (value << 4) | uint32_t(hex(*p));
    *rgb = value & 0xFFFFFF;
    return 0;
}
