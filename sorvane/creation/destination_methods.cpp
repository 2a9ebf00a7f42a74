// The methods of destination handles (library "dest:").
#include "arguments.h"
#include "methods.h"

const CommandEntry sv_dest_methods[] = {
    {"SetXYZ", sv_method<HPDF_Destination_SetXYZ>},
    {"SetFit", sv_method<HPDF_Destination_SetFit>},
    {"SetFitH", sv_method<HPDF_Destination_SetFitH>},
    {"SetFitV", sv_method<HPDF_Destination_SetFitV>},
    {"SetFitR", sv_method<HPDF_Destination_SetFitR>},
    {"SetFitB", sv_method<HPDF_Destination_SetFitB>},
    {"SetFitBH", sv_method<HPDF_Destination_SetFitBH>},
    {"SetFitBV", sv_method<HPDF_Destination_SetFitBV>},
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
