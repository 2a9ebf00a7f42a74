#include "text/fonts.h"

#include "toolkit/theme.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <string>

namespace tk {

namespace {

constexpr const char *kFontDir = "/usr/share/fonts/truetype/dejavu/";
constexpr const char *kFontFiles[] = {
    "DejaVuSans.ttf",         "DejaVuSans-Bold.ttf",         "DejaVuSans-Oblique.ttf",
    "DejaVuSans-BoldOblique.ttf", "DejaVuSansMono.ttf",     "DejaVuSansMono-Bold.ttf",
    "DejaVuSansMono-Oblique.ttf", "DejaVuSansMono-BoldOblique.ttf",
};
constexpr double kResolution = 96.0;

struct Fonts {
    PangoFontMap *map = nullptr;
    PangoContext *smooth = nullptr, *sharp = nullptr;
    PangoFontDescription *descriptions[4][2][2] = {};
    int lineHeight[4] = {}, baseline[4] = {};
};

PangoContext *makeContext(PangoFontMap *map, bool antialias)
{
    PangoContext *context = pango_font_map_create_context(map);
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_cairo_context_set_resolution(context, kResolution);
    return context;
}

Fonts &fonts()
{
    static Fonts f;
    if (f.map) return f;
    FcConfig *config = FcConfigCreate();
    for (const char *file : kFontFiles)
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8 *>((std::string(kFontDir) + file).c_str()));
    f.map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(f.map), config);
    FcConfigDestroy(config);
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(f.map), kResolution);
    f.smooth = makeContext(f.map, true);
    f.sharp = makeContext(f.map, false);
    const char *families[4] = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Sans", "DejaVu Sans"};
    const int sizes[4] = {12, 12, 12, 16};
    for (int kind = 0; kind < 4; ++kind) {
        for (int bold = 0; bold < 2; ++bold)
            for (int italic = 0; italic < 2; ++italic) {
                PangoFontDescription *d = pango_font_description_new();
                pango_font_description_set_family(d, families[kind]);
                pango_font_description_set_absolute_size(d, sizes[kind] * PANGO_SCALE);
                pango_font_description_set_weight(d, bold || kind == kFontTitle ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
                pango_font_description_set_style(d, italic ? PANGO_STYLE_OBLIQUE : PANGO_STYLE_NORMAL);
                f.descriptions[kind][bold][italic] = d;
            }
        PangoFontMetrics *metrics = pango_context_get_metrics(f.smooth, f.descriptions[kind][0][0], nullptr);
        const int ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
        const int descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
        pango_font_metrics_unref(metrics);
        f.baseline[kind] = ascent;
        f.lineHeight[kind] = ascent + descent;
    }
    return f;
}

int kindOf(int font) { return font >= 0 && font < 4 ? font : kFontNormal; }

} // namespace

PangoContext *textContext(bool antialias) { return antialias ? fonts().smooth : fonts().sharp; }

const PangoFontDescription *fontDescription(int font, bool bold, bool italic)
{
    return fonts().descriptions[kindOf(font)][bold ? 1 : 0][italic ? 1 : 0];
}

int fontLineHeight(int font) { return fonts().lineHeight[kindOf(font)]; }
int fontBaseline(int font) { return fonts().baseline[kindOf(font)]; }

} // namespace tk
