// Page methods whose arguments or results differ from the plain call of
// their libharu function: dashes, text measuring and placing, positions.
#include "arguments.h"
#include "page_methods.h"

namespace {

constexpr int kMaxDash = 8;

HPDF_Page page_of(void *object) { return static_cast<HPDF_Page>(object); }

} // namespace

// status=page:SetDash([pattern,phase]): the pattern table is read from key 0
// up to the first nil; no table sets a solid line.
int sv_page_SetDash(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    const KsScriptServices &s = sv_script();
    HPDF_UINT16 pattern[kMaxDash] = {0};
    HPDF_UINT count = 0, phase = 0;
    if (s.typeOf(state, 2) != KS_TYPE_NIL) {
        s.checkTable(state, 2);
        int n = 0;
        while (n <= kMaxDash) {
            int type = s.getIndex(state, 2, n);
            s.pop(state, 1);
            if (type == KS_TYPE_NIL) break;
            n++;
        }
        if (n > kMaxDash) return sv_error(SV_ERR_DASH_TABLE);
        phase = HPDF_UINT(sv_truncate(s.checkNumber(state, 3)));
        for (int i = 0; i < n; i++) {
            s.getIndex(state, 2, i);
            int isNumber = 0;
            double v = s.toNumber(state, -1, &isNumber);
            s.pop(state, 1);
            auto element = HPDF_UINT16(sv_truncate(v));
            pattern[i] = element == 0 ? 1 : element;
        }
        count = HPDF_UINT(n);
    }
    return sv_status_result(state, HPDF_Page_SetDash(page_of(page), count ? pattern : nullptr, count, phase));
}

// bl,rw=page:MeasureText(text,width,wordwrap)
int sv_page_MeasureText(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    const KsScriptServices &s = sv_script();
    const char *text = s.checkString(state, 2, nullptr);
    auto width = HPDF_REAL(s.checkNumber(state, 3));
    auto wordwrap = HPDF_BOOL(sv_truncate(s.checkNumber(state, 4)));
    HPDF_REAL realWidth = 0;
    HPDF_UINT bytes = HPDF_Page_MeasureText(page_of(page), text, width, wordwrap, &realWidth);
    if (int err = sv_library_error()) return err;
    s.pushInteger(state, bytes);
    s.pushNumber(state, realWidth);
    return 2;
}

// status,len=page:TextRect(left,top,right,bottom,text,align)
int sv_page_TextRect(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    const KsScriptServices &s = sv_script();
    HPDF_REAL box[4];
    for (int i = 0; i < 4; i++) box[i] = HPDF_REAL(s.checkNumber(state, 2 + i));
    const char *text = s.checkString(state, 6, nullptr);
    auto align = HPDF_TextAlignment(sv_truncate(s.checkNumber(state, 7)));
    HPDF_UINT length = 0;
    HPDF_STATUS status = HPDF_Page_TextRect(page_of(page), box[0], box[1], box[2], box[3], text, align, &length);
    if (int err = sv_library_error()) return err;
    s.pushInteger(state, int64_t(status));
    s.pushInteger(state, length);
    return 2;
}

// status=page:MoveTextPos(x,y[,lead]): a nonzero lead also sets the text leading.
int sv_page_MoveTextPos(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    const KsScriptServices &s = sv_script();
    auto x = HPDF_REAL(s.checkNumber(state, 2));
    auto y = HPDF_REAL(s.checkNumber(state, 3));
    bool lead = sv_truncate(s.optNumber(state, 4, 0)) != 0;
    HPDF_STATUS status = lead ? HPDF_Page_MoveTextPos2(page_of(page), x, y) : HPDF_Page_MoveTextPos(page_of(page), x, y);
    return sv_status_result(state, status);
}

// status=page:ShowTextNextLine(text[,wordspace,charspace]): both spacings
// (neither -1) choose the variant that sets them; a lone word spacing is ignored.
int sv_page_ShowTextNextLine(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    const KsScriptServices &s = sv_script();
    const char *text = s.checkString(state, 2, nullptr);
    if (s.argCount(state) >= 4) {
        auto wordSpace = HPDF_REAL(s.checkNumber(state, 3));
        auto charSpace = HPDF_REAL(s.checkNumber(state, 4));
        if (wordSpace != -1 && charSpace != -1)
            return sv_status_result(state, HPDF_Page_ShowTextNextLineEx(page_of(page), wordSpace, charSpace, text));
    }
    return sv_status_result(state, HPDF_Page_ShowTextNextLine(page_of(page), text));
}

namespace {

// x,y of a position getter, or no result when libharu reports a failure.
int push_position(ScriptState *state, HPDF_STATUS (*get)(HPDF_Page, HPDF_Point *))
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    HPDF_Point point = {0, 0};
    HPDF_STATUS status = get(page_of(page), &point);
    if (int err = sv_library_error()) return err;
    if (status != HPDF_OK) return 0;
    sv_script().pushNumber(state, point.x);
    sv_script().pushNumber(state, point.y);
    return 2;
}

} // namespace

// x,y=page:GetCurrentPos()
int sv_page_GetCurrentPos(ScriptState *state) { return push_position(state, HPDF_Page_GetCurrentPos2); }

// x,y=page:GetCurrentTextPos()
int sv_page_GetCurrentTextPos(ScriptState *state) { return push_position(state, HPDF_Page_GetCurrentTextPos2); }

// ant=page:CreateWidgetAnnot(rect): libharu 2.3.0 has no widget annotations.
int sv_page_CreateWidgetAnnot(ScriptState *state)
{
    void *page;
    if (int err = sv_read_self(state, SV_KIND_PAGE, &page)) return err;
    HPDF_Rect rect;
    if (int err = sv_read_rect(state, 2, &rect)) return err;
    return sv_missing_function("HPDF_Page_CreateWidgetAnnot");
}
