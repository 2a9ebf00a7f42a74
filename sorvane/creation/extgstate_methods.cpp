// The methods of extended graphics state handles (library "extgs:").
#include "arguments.h"
#include "methods.h"

const CommandEntry sv_extgs_methods[] = {
    {"SetAlphaStroke", sv_method<HPDF_ExtGState_SetAlphaStroke>},
    {"SetAlphaFill", sv_method<HPDF_ExtGState_SetAlphaFill>},
    {"SetBlendMode", sv_method<HPDF_ExtGState_SetBlendMode>},
    {nullptr, nullptr},
};

const HelpString sv_extgs_help[] = {
    {"status=extgs:SetAlphaStroke(value) -- set stroking transparency", 0},
    {"status=extgs:SetAlphaFill(value) -- set filling transparency", 0},
    {"status=extgs:SetBlendMode(bmode) -- set blend mode", 0},
};
