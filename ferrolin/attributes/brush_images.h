// Brush numbers used as images.
#pragma once

#include <cstdint>

// 0 when the host brush `brush` can be read as an image, else the id of
// "Error obtaining graphics data from brush %d!" with the number set.
int fl_check_brush_image(int32_t brush);
