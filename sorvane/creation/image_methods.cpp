// The methods of image handles (library "image:").
#include "arguments.h"
#include "methods.h"

// Methods of handles of this kind that call their libharu function directly.
template <auto F, int K = SV_KIND_NONE> constexpr KsCommand M = sv_method<SV_KIND_IMAGE, F, K>;

namespace {

// w,h=image:GetSize(): no result when libharu cannot tell.
int GetSize(ScriptState *state)
{
    void *image;
    if (int err = sv_read_self(state, SV_KIND_IMAGE, &image)) return err;
    HPDF_Point size = {0, 0};
    HPDF_STATUS status = HPDF_Image_GetSize2(static_cast<HPDF_Image>(image), &size);
    if (int err = sv_library_error()) return err;
    if (status != HPDF_OK) return 0;
    sv_script().pushNumber(state, size.x);
    sv_script().pushNumber(state, size.y);
    return 2;
}

} // namespace

const CommandEntry sv_image_methods[] = {
    {"GetSize", GetSize},
    {"GetWidth", M<HPDF_Image_GetWidth>},
    {"GetHeight", M<HPDF_Image_GetHeight>},
    {"GetBitsPerComponent", M<HPDF_Image_GetBitsPerComponent>},
    {"GetColorSpace", M<HPDF_Image_GetColorSpace>},
    {"SetColorMask", M<HPDF_Image_SetColorMask>},
    {"SetMaskImage", M<HPDF_Image_SetMaskImage>},
    {"AddSMask", M<HPDF_Image_AddSMask>},
    {nullptr, nullptr},
};

const HelpString sv_image_help[] = {
    {"w,h=image:GetSize() -- get image size", 0},
    {"w=image:GetWidth() -- get image width", 0},
    {"h=image:GetHeight() -- get image height", 0},
    {"bpc=image:GetBitsPerComponent() -- get bits per component", 0},
    {"name=image:GetColorSpace() -- get image color space", 0},
    {"status=image:SetColorMask(rmin,rmax,gmin,gmax,bmin,bmax) -- set transparent color", 0},
    {"status=image:SetMaskImage(maskimage) -- set mask image", 0},
    {"status=image:AddSMask(smask) -- add stencil mask", 0},
};
