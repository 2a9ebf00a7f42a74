// The methods of encoder handles (library "encoder:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_ENCODER, F, K>;

const CommandEntry sv_encoder_methods[] = {
    {"GetType", M<HPDF_Encoder_GetType>},
    {"GetByteType", M<HPDF_Encoder_GetByteType>},
    {"GetUnicode", M<HPDF_Encoder_GetUnicode>},
    {"GetWritingMode", M<HPDF_Encoder_GetWritingMode>},
    {nullptr, nullptr},
};

const HelpString sv_encoder_help[] = {
    {"t=encoder:GetType() -- get type of encoding object", 0},
    {"t=encoder:GetByteType(text,index) -- byte type in text", 0},
    {"ucode=encoder:GetUnicode(code) -- convert character to Unicode", 0},
    {"mode=encoder:GetWritingMode() -- get writing mode of encoding object", 0},
};
