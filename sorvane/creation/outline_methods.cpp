// The methods of outline handles (library "outline:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_OUTLINE, F, K>;

const CommandEntry sv_outline_methods[] = {
    {"SetOpened", M<HPDF_Outline_SetOpened>},
    {"SetDestination", M<HPDF_Outline_SetDestination>},
    {nullptr, nullptr},
};

const HelpString sv_outline_help[] = {
    {"status=outline:SetOpened(opened) -- set node's open mode", 0},
    {"status=outline:SetDestination(dst) -- set destination object", 0},
};
