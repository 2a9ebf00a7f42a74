// The parser's level stack: one entry per open element, entry 0 the root.
#pragma once

#include <cstdint>

struct FlLevel {
    uint32_t typeBit; // the kind of the level (class registry type bits)
    void *record;     // the element record that opened it; null for the root and item levels
};

constexpr int FL_LEVELS = 64;

extern FlLevel fl_levels[FL_LEVELS];
extern int fl_level; // index of the current level
