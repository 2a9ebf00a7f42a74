// The methods of destination handles (library "dest:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_DEST, F, K>;

const CommandEntry sv_dest_methods[] = {
    {"SetXYZ", M<HPDF_Destination_SetXYZ>},
    {"SetFit", M<HPDF_Destination_SetFit>},
    {"SetFitH", M<HPDF_Destination_SetFitH>},
    {"SetFitV", M<HPDF_Destination_SetFitV>},
    {"SetFitR", M<HPDF_Destination_SetFitR>},
    {"SetFitB", M<HPDF_Destination_SetFitB>},
    {"SetFitBH", M<HPDF_Destination_SetFitBH>},
    {"SetFitBV", M<HPDF_Destination_SetFitBV>},
    {nullptr, nullptr},
};

const HelpString sv_dest_help[] = {
    {"status=dest:SetXYZ(left,top,zoom) -- define page appearance", 0},
    {"status=dest:SetFit() -- fit page within window", 0},
    {"status=dest:SetFitH(top) -- fit page width to window", 0},
    {"status=dest:SetFitV(left) -- fit page height to window", 0},
    {"status=dest:SetFitR(left,bottom,right,top) -- fit page to rectangle", 0},
    {"status=dest:SetFitB() -- fit bounding box of page within window", 0},
    {"status=dest:SetFitBH(top) -- fit bounding box width to window", 0},
    {"status=dest:SetFitBV(left) -- fit bounding box height to window", 0},
};
