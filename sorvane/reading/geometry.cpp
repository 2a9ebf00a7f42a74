// Page boxes and the conversion between page and device coordinates. The
// page must be loaded; its text is not needed.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"

namespace {

using BoxQuery = int (*)(engine::Handle, float *, float *, float *, float *);

// Pushes left, top, right, bottom; a page without the box gives zeros.
int push_box(ScriptState *state, BoxQuery query)
{
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    float left = 0, bottom = 0, right = 0, top = 0;
    query(node->page, &left, &bottom, &right, &top);
    const KsScriptServices &s = sv_script();
    s.pushNumber(state, left);
    s.pushNumber(state, top);
    s.pushNumber(state, right);
    s.pushNumber(state, bottom);
    return 4;
}

// The display rectangle and rotation that both conversions take (arguments 3 to 7).
struct Display {
    int startX, startY, sizeX, sizeY, rotate;
};

Display read_display(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    return {int(s.checkInteger(state, 3)), int(s.checkInteger(state, 4)), int(s.checkInteger(state, 5)),
            int(s.checkInteger(state, 6)), int(s.checkInteger(state, 7))};
}

} // namespace

// left,top,right,bottom=pdf.GetMediaBox(id,page)
int sv_GetMediaBox(ScriptState *state) { return push_box(state, engine::FPDFPage_GetMediaBox); }

// left,top,right,bottom=pdf.GetCropBox(id,page)
int sv_GetCropBox(ScriptState *state) { return push_box(state, engine::FPDFPage_GetCropBox); }

// x,y=pdf.PageToDevice(id,page,startx,starty,sizex,sizey,rotate,pagex,pagey)
int sv_PageToDevice(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    Display d = read_display(state);
    double pageX = s.checkNumber(state, 8);
    double pageY = s.checkNumber(state, 9);
    int deviceX = 0, deviceY = 0;
    engine::FPDF_PageToDevice(node->page, d.startX, d.startY, d.sizeX, d.sizeY, d.rotate, pageX, pageY, &deviceX,
                              &deviceY);
    s.pushInteger(state, deviceX);
    s.pushInteger(state, deviceY);
    return 2;
}

// x,y=pdf.DeviceToPage(id,page,startx,starty,sizex,sizey,rotate,devicex,devicey)
int sv_DeviceToPage(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    SvDocument *doc;
    SvPage *node;
    int err = sv_lookup_page(state, 1, 2, false, &doc, &node);
    if (err) return err;
    Display d = read_display(state);
    int deviceX = int(s.checkInteger(state, 8));
    int deviceY = int(s.checkInteger(state, 9));
    double pageX = 0, pageY = 0;
    engine::FPDF_DeviceToPage(node->page, d.startX, d.startY, d.sizeX, d.sizeY, d.rotate, deviceX, deviceY, &pageX,
                              &pageY);
    s.pushNumber(state, pageX);
    s.pushNumber(state, pageY);
    return 2;
}
