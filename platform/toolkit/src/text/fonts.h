// The fonts of the text engine: pango over a fontconfig configuration that
// sees only the DejaVu files the layer names, at a fixed resolution, so text
// measures and draws the same on every machine that has those files.
#pragma once

#include <pango/pango.h>

namespace tk {

// The pango context for drawing, antialiased or not (palette screens).
PangoContext *textContext(bool antialias);
// The description of a font kind with bold and italic.
const PangoFontDescription *fontDescription(int font, bool bold, bool italic);
// Line height and baseline of a font kind, in pixels.
int fontLineHeight(int font);
int fontBaseline(int font);

} // namespace tk
