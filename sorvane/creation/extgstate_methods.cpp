// The methods of extended graphics state handles (library "extgs:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_EXTGS, F, K>;

const CommandEntry sv_extgs_methods[] = {
    {"SetAlphaStroke", M<HPDF_ExtGState_SetAlphaStroke>},
    {"SetAlphaFill", M<HPDF_ExtGState_SetAlphaFill>},
    {"SetBlendMode", M<HPDF_ExtGState_SetBlendMode>},
    {nullptr, nullptr},
};

const HelpString sv_extgs_help[] = {
    {"status=extgs:SetAlphaStroke(value) -- set stroking transparency", 0},
    {"status=extgs:SetAlphaFill(value) -- set filling transparency", 0},
    {"status=extgs:SetBlendMode(bmode) -- set blend mode", 0},
};
