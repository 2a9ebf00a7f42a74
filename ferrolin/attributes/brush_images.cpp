// Brush numbers used as images: a brush is usable when the host lets its
// pixels be read.
#include "brush_images.h"

#include "../frame/plugin.h"

int fl_check_brush_image(int32_t brush)
{
    const KsGraphicsServices *graphics = fl.api ? fl.api->graphics : nullptr;
    ScriptId id = {brush, nullptr};
    KsBrushLock lock{};
    if (!graphics || graphics->lockBrush(&id, &lock) != 0) return fl_error_with_number(FL_ERR_BRUSH_DATA, brush);
    graphics->unlockBrush(&lock);
    return 0;
}
