#pragma once

// The depth fl_screen_depth answers in the unit tests (32 unless a test sets it).
extern int g_screenDepth;
