// The methods of outline handles (library "outline:").
#include "arguments.h"
#include "methods.h"

const CommandEntry sv_outline_methods[] = {
    {"SetOpened", sv_method<HPDF_Outline_SetOpened>},
    {"SetDestination", sv_method<HPDF_Outline_SetDestination>},
    {nullptr, nullptr},
};

const HelpString sv_outline_help[] = {
    {"status=outline:SetOpened(opened) -- set node's open mode", 0},
    {"status=outline:SetDestination(dst) -- set destination object", 0},
};
