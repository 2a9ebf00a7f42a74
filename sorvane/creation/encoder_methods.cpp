// The methods of encoder handles (library "encoder:").
#include "arguments.h"
#include "methods.h"

const CommandEntry sv_encoder_methods[] = {
    {"GetType", sv_method<HPDF_Encoder_GetType>},
    {"GetByteType", sv_method<HPDF_Encoder_GetByteType>},
    {"GetUnicode", sv_method<HPDF_Encoder_GetUnicode>},
    {"GetWritingMode", sv_method<HPDF_Encoder_GetWritingMode>},
    {nullptr, nullptr},
};

const HelpString sv_encoder_help[] = {
    {"t=encoder:GetType() -- get type of encoding object", 0},
    {"t=encoder:GetByteType(text,index) -- byte type in text", 0},
    {"ucode=encoder:GetUnicode(code) -- convert character to Unicode", 0},
    {"mode=encoder:GetWritingMode() -- get writing mode of encoding object", 0},
};
