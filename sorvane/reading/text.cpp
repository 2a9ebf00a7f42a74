// The text of a loaded page: character count, text ranges, character boxes
// and origins, hit tests, range rectangles and the text inside a rectangle.
// Every command needs the page's text (LoadPage with loadtext).
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"
#include "strings.h"

namespace {

// Checks idx and len against the n characters of the page; a len of -1 means
// up to the end.
int check_range(int n, int64_t idx, int64_t *len)
{
    if (n <= 0) return sv_error(SV_ERR_CHAR_RANGE);
    if (*len == -1) *len = n - idx;
    if (idx < 0 || *len <= 0 || idx >= n || idx + *len > n) return sv_error(SV_ERR_CHAR_RANGE);
    return 0;
}

// Reads the arguments after id and page of a command that takes left, top, right, bottom.
struct Box {
    double left, top, right, bottom;
};

Box read_box(ScriptState *state, int first)
{
    const KsScriptServices &s = sv_script();
    return {s.checkNumber(state, first), s.checkNumber(state, first + 1), s.checkNumber(state, first + 2),
            s.checkNumber(state, first + 3)};
}

} // namespace

// len=pdf.GetPageLen(id,page)
int sv_GetPageLen(ScriptState *state)
{
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    sv_script().pushInteger(state, engine::FPDFText_CountTextChars(node->textPage));
    return 1;
}

// t$=pdf.GetText(id,page,idx,len)
int sv_GetText(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    int64_t idx = s.checkInteger(state, 3);
    int64_t len = s.checkInteger(state, 4);
    err = check_range(engine::FPDFText_CountTextChars(node->textPage), idx, &len);
    if (err) return err;

    // Four bytes per character: room for a surrogate pair per character in
    // UTF-16, and for the longest UTF-8 sequence and the converter's margin.
    size_t bytes = size_t(len + 1) * 4;
    auto *units = static_cast<unsigned short *>(sv_system().allocMem(bytes, 0, "buf"));
    if (!units) return KS_ERR_MEMORY;
    // The engine answers len characters and a terminator, the terminator counted.
    int got = engine::FPDFText_GetText(node->textPage, int(idx), int(len), units);
    if (got > 0)
        err = sv_push_utf16le(state, units, size_t(got) * 2, bytes, "outbuf");
    else
        s.pushString(state, "");
    sv_system().freeMem(units);
    return err ? err : 1;
}

// left,top,right,bottom=pdf.GetCharBox(id,page,idx)
int sv_GetCharBox(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    int64_t idx = s.checkInteger(state, 3);
    // An index the engine rejects leaves the zeros.
    double left = 0, right = 0, bottom = 0, top = 0;
    engine::FPDFText_GetCharBox(node->textPage, int(idx), &left, &right, &bottom, &top);
    s.pushNumber(state, left);
    s.pushNumber(state, top);
    s.pushNumber(state, right);
    s.pushNumber(state, bottom);
    return 4;
}

// x,y=pdf.GetCharOrigin(id,page,idx)
int sv_GetCharOrigin(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    int64_t idx = s.checkInteger(state, 3);
    double x = 0, y = 0;
    engine::FPDFText_GetCharOrigin(node->textPage, int(idx), &x, &y);
    s.pushNumber(state, x);
    s.pushNumber(state, y);
    return 2;
}

// idx=pdf.GetCharIndexAtPos(id,page,x,y[,xt,yt])
int sv_GetCharIndexAtPos(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    double x = s.checkNumber(state, 3);
    double y = s.checkNumber(state, 4);
    double xTolerance = s.optNumber(state, 5, 0);
    double yTolerance = s.optNumber(state, 6, 0);
    s.pushInteger(state, engine::FPDFText_GetCharIndexAtPos(node->textPage, x, y, xTolerance, yTolerance));
    return 1;
}

// t=pdf.GetRects(id,page,idx,len): {[0]={left=,right=,bottom=,top=}, ...}
int sv_GetRects(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    int64_t idx = s.checkInteger(state, 3);
    int64_t len = s.checkInteger(state, 4);
    err = check_range(engine::FPDFText_CountChars(node->textPage), idx, &len);
    if (err) return err;

    int count = engine::FPDFText_CountRects(node->textPage, int(idx), int(len));
    s.newTable(state, 0, count > 0 ? count : 0);
    for (int i = 0; i < count; i++) {
        double left = 0, top = 0, right = 0, bottom = 0;
        engine::FPDFText_GetRect(node->textPage, i, &left, &top, &right, &bottom);
        s.newTable(state, 0, 4);
        s.pushNumber(state, left);
        s.setField(state, -2, "left");
        s.pushNumber(state, right);
        s.setField(state, -2, "right");
        s.pushNumber(state, bottom);
        s.setField(state, -2, "bottom");
        s.pushNumber(state, top);
        s.setField(state, -2, "top");
        s.setIndex(state, -2, i);
    }
    return 1;
}

// t$=pdf.GetBoundedText(id,page,left,top,right,bottom)
int sv_GetBoundedText(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, true, &doc, &node);
    if (err) return err;
    Box b = read_box(state, 3);
    int units = engine::FPDFText_GetBoundedText(node->textPage, b.left, b.top, b.right, b.bottom, nullptr, 0);
    if (units <= 0) {
        s.pushString(state, "");
        return 1;
    }
    size_t bytes = (size_t(units) + 1) * 4;
    auto *buffer = static_cast<unsigned short *>(sv_system().allocMem(bytes, 0, "buf"));
    if (!buffer) return KS_ERR_MEMORY;
    int got = engine::FPDFText_GetBoundedText(node->textPage, b.left, b.top, b.right, b.bottom, buffer, units);
    if (got > units) got = units;
    if (got > 0)
        err = sv_push_utf16le(state, buffer, size_t(got) * 2, bytes, "outbuf");
    else
        s.pushString(state, "");
    sv_system().freeMem(buffer);
    return err ? err : 1;
}
