// The methods of font handles (library "font:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_FONT, F, K>;

namespace {

HPDF_Font font_of(void *object) { return static_cast<HPDF_Font>(object); }

// t=font:TextWidth(text,len): len is capped at the text's own length, so
// libharu never reads past the end of the string.
int TextWidth(ScriptState *state)
{
    void *font;
    if (int err = sv_read_self(state, SV_KIND_FONT, &font)) return err;
    size_t size = 0;
    const char *text = sv_script().checkString(state, 2, &size);
    int64_t length = sv_truncate(sv_script().checkNumber(state, 3));
    if (length < 0 || uint64_t(length) > size) length = int64_t(size);
    HPDF_TextWidth width =
        HPDF_Font_TextWidth(font_of(font), reinterpret_cast<const HPDF_BYTE *>(text), HPDF_UINT(length));
    if (int err = sv_library_error()) return err;
    sv_push_text_width(state, width);
    return 1;
}

// bl,rw=font:MeasureText(text,len,width,fontsize,charspace,wordspace,wordwrap):
// the byte length comes from the text itself; arguments 3 to 6 are the width,
// font size, character and word spacing, argument 7 the word-wrap flag.
int MeasureText(ScriptState *state)
{
    void *font;
    if (int err = sv_read_self(state, SV_KIND_FONT, &font)) return err;
    const KsScriptServices &s = sv_script();
    size_t size = 0;
    const char *text = s.checkString(state, 2, &size);
    HPDF_REAL numbers[4];
    for (int i = 0; i < 4; i++) numbers[i] = HPDF_REAL(s.checkNumber(state, 3 + i));
    auto wordwrap = HPDF_BOOL(sv_truncate(s.checkNumber(state, 7)));
    HPDF_REAL realWidth = 0;
    HPDF_UINT bytes = HPDF_Font_MeasureText(font_of(font), reinterpret_cast<const HPDF_BYTE *>(text), HPDF_UINT(size),
                                            numbers[0], numbers[1], numbers[2], numbers[3], wordwrap, &realWidth);
    if (int err = sv_library_error()) return err;
    s.pushInteger(state, bytes);
    s.pushNumber(state, realWidth);
    return 2;
}

} // namespace

const CommandEntry sv_font_methods[] = {
    {"GetFontName", M<HPDF_Font_GetFontName>},
    {"GetEncodingName", M<HPDF_Font_GetEncodingName>},
    {"GetUnicodeWidth", M<HPDF_Font_GetUnicodeWidth>},
    {"GetBBox", M<HPDF_Font_GetBBox>},
    {"GetAscent", M<HPDF_Font_GetAscent>},
    {"GetDescent", M<HPDF_Font_GetDescent>},
    {"GetXHeight", M<HPDF_Font_GetXHeight>},
    {"GetCapHeight", M<HPDF_Font_GetCapHeight>},
    {"TextWidth", TextWidth},
    {"MeasureText", MeasureText},
    {nullptr, nullptr},
};

const HelpString sv_font_help[] = {
    {"name=font:GetFontName() -- get font name", 0},
    {"name=font:GetEncodingName() -- get font's encoding name", 0},
    {"w=font:GetUnicodeWidth(code) -- get Unicode character width", 0},
    {"bbox=font:GetBBox() -- get font bounding box", 0},
    {"asc=font:GetAscent() -- get vertical ascent of font", 0},
    {"desc=font:GetDescent() -- get vertical descent of font", 0},
    {"xh=font:GetXHeight() -- get lowercase baseline distance", 0},
    {"ch=font:GetCapHeight() -- get uppercase baseline distance", 0},
    {"t=font:TextWidth(text,len) -- get text width", 0},
    {"bl,rw=font:MeasureText(text,len,width,fontsize,charspace,wordspace,wordwrap) -- calculate text byte length", 0},
};
