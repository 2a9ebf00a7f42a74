// Numbers and colours as scripts and descriptions give them.
#pragma once

#include <cstdint>

// A script number as 32-bit tag data: truncated toward zero; values outside
// the signed 32-bit range are taken modulo 2^32 (so 4294967295 passes
// 0xFFFFFFFF); NaN and infinities give 0.
int32_t fl_script_number(double value);

// A colour 0xRRGGBB as three 32-bit components, each byte repeated four times.
void fl_spread_color(uint32_t rgb, uint32_t components[3]);
// The colour 0xRRGGBB of three 32-bit components (their high bytes).
uint32_t fl_collect_color(const uint32_t components[3]);
// "#" and hexadecimal digits → 0xRRGGBB; 0, or the id of "Invalid color specification!".
int fl_parse_color(const char *text, uint32_t *rgb);
