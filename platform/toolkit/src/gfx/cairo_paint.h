// Drawing with cairo into a rastport of any format: the painter draws into
// a transparent ARGB surface the size of the area (its origin at the area's
// top-left corner), which is then blended over the rastport, clip rectangle
// by clip rectangle.
#pragma once

#include "toolkit/rastport.h"

#include <cairo.h>

namespace tk {

using CairoPainter = void (*)(cairo_t *cr, void *data);

void paintWithCairo(RastPort *rp, const Rect &area, bool antialias, CairoPainter painter, void *data);

template <class F> void paintCairo(RastPort *rp, const Rect &area, F &&painter)
{
    const bool antialias = !(rp && rp->bitmap && rp->bitmap->format == kPixLut8);
    paintWithCairo(
        rp, area, antialias, [](cairo_t *cr, void *data) { (*static_cast<F *>(data))(cr); }, &painter);
}

} // namespace tk
