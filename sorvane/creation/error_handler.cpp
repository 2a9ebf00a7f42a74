// The libharu error handler and the descriptions of libharu's error codes.
#include "library_errors.h"

#include "../frame/plugin.h"
#include "handles.h"

namespace {

struct ErrorText {
    HPDF_STATUS code;
    const char *text;
};

constexpr const char *kInternal = "Internal error. Data consistency was lost.";

// Searched in this order; the row with code 0 ends the table.
const ErrorText kDescriptions[] = {
    {0x1001, kInternal},
    {0x1002, kInternal},
    {0x1003, kInternal},
    {0x1004, "Data length > HPDF_LIMIT_MAX_STRING_LEN."},
    {0x1005, "Cannot get pallet data from PNG image."},
    {0x1007, "Dictionary elements > HPDF_LIMIT_MAX_DICT_ELEMENT"},
    {0x1008, kInternal},
    {0x1009, kInternal},
    {0x100A, kInternal},
    {0x100B, "HPDF_SetEncryptMode() or HPDF_SetPermission() called before password set."},
    {0x100C, kInternal},
    {0x100E, "Tried to re-register a registered font."},
    {0x100F, "Cannot register a character to the Japanese word wrap characters list."},
    {0x1011, "1. Tried to set the owner password to NULL.\n2. Owner and user password are the same."},
    {0x1013, kInternal},
    {0x1014, "Stack depth > HPDF_LIMIT_MAX_GSTATE."},
    {0x1015, "Memory allocation failed."},
    {0x1016, "File processing failed. (Detailed code is set.)"},
    {0x1017, "Cannot open a file. (Detailed code is set.)"},
    {0x1019, "Tried to load a font that has been registered."},
    {0x101A, "1. Font-file format is invalid.\n2. Internal error. Data consistency was lost."},
    {0x101B, "Cannot recognize header of afm file."},
    {0x101C, "Specified annotation handle is invalid."},
    {0x101E, "Bit-per-component of a image which was set as mask-image is invalid."},
    {0x101F, "Cannot recognize char-matrics-data of afm file."},
    {0x1020, "1. Invalid color_space parameter of HPDF_LoadRawImage.\n"
             "2. Color-space of a image which was set as mask-image is invalid.\n"
             "3. Invoked function invalid in present color-space."},
    {0x1021, "Invalid value set when invoking HPDF_SetCommpressionMode()."},
    {0x1022, "An invalid date-time value was set."},
    {0x1023, "An invalid destination handle was set."},
    {0x1025, "An invalid document handle was set."},
    {0x1026, "Function invalid in the present state was invoked."},
    {0x1027, "An invalid encoder handle was set."},
    {0x1028, "Combination between font and encoder is wrong."},
    {0x102B, "An Invalid encoding name is specified."},
    {0x102C, "Encryption key length is invalid."},
    {0x102D, "1. An invalid font handle was set.\n2. Unsupported font format."},
    {0x102E, kInternal},
    {0x102F, "Font with the specified name is not found."},
    {0x1030, "Unsupported image format."},
    {0x1031, "Unsupported image format."},
    {0x1032, "Cannot read a postscript-name from an afm file."},
    {0x1033, "1. An invalid object is set.\n2. Internal error. Data consistency was lost."},
    {0x1034, kInternal},
    {0x1035, "Invoked HPDF_Image_SetColorMask() against the image-object which was set a mask-image."},
    {0x1036, "An invalid outline-handle was specified."},
    {0x1037, "An invalid page-handle was specified."},
    {0x1038, "An invalid pages-handle was specified. (internal error)"},
    {0x1039, "An invalid value is set."},
    {0x103B, "Invalid PNG image format."},
    {0x103C, kInternal},
    {0x103D, "Internal error. \"_FILE_NAME\" entry for delayed loading is missing."},
    {0x103F, "Invalid .TTC file format."},
    {0x1040, "Index parameter > number of included fonts."},
    {0x1041, "Cannot read a width-data from an afm file."},
    {0x1042, kInternal},
    {0x1043, "Error returned from PNGLIB while loading image."},
    {0x1044, kInternal},
    {0x1045, kInternal},
    {0x1049, kInternal},
    {0x104A, kInternal},
    {0x104B, kInternal},
    {0x104C, "There are no graphics-states to be restored."},
    {0x104D, kInternal},
    {0x104E, "The current font is not set."},
    {0x104F, "An invalid font-handle was specified."},
    {0x1050, "An invalid font-size was set."},
    {0x1051, "Invalid Graphics mode."},
    {0x1052, kInternal},
    {0x1053, "Specified value is not multiple of 90."},
    {0x1054, "An invalid page-size was set."},
    {0x1055, "An invalid image-handle was set."},
    {0x1056, "The specified value is out of range."},
    {0x1057, "The specified value is out of range."},
    {0x1058, "Unexpected EOF marker was detected."},
    {0x1059, kInternal},
    {0x105B, "The length of the text is too long."},
    {0x105C, "Function not executed because of other errors."},
    {0x105D, "Font cannot be embedded. (license restriction)"},
    {0x105E, "Unsupported ttf format. (cannot find unicode cmap)"},
    {0x105F, "Unsupported ttf format."},
    {0x1060, "Unsupported ttf format. (cannot find a necessary table)"},
    {0x1061, kInternal},
    {0x1062, "1. Library not configured to use PNGLIB.\n2. Internal error. Data consistency was lost."},
    {0x1063, "Unsupported JPEG format."},
    {0x1064, "Failed to parse .PFB file."},
    {0x1065, kInternal},
    {0x1066, "Error while executing ZLIB function."},
    {0x1067, "An invalid page index was passed."},
    {0x1068, "An invalid URI was set."},
    {0x1072, "An invalid icon was set."},
    {0x1073, "An invalid border-style was set."},
    {0x1074, "An invalid page-direction was set."},
    {0x1075, "An invalid font-handle was specified."},
    {0, nullptr},
};

struct PendingError {
    bool pending;
    HPDF_STATUS code;
    HPDF_STATUS detail;
    SvHandle *document;
};

PendingError g_pending = {false, 0, 0, nullptr};

// The host's answer to information key 0x2C: 0 keeps library errors silent.
bool errors_raise()
{
    uint32_t raise = 1;
    KsTagItem query[2] = {{KS_INFO_RAISE_LIBRARY_ERRORS, reinterpret_cast<uintptr_t>(&raise)}, {0, 0}};
    sv_system().queryInfo(query);
    return raise != 0;
}

} // namespace

void sv_describe_library_error(char *buffer, size_t size, HPDF_STATUS code, HPDF_STATUS detail)
{
    for (const ErrorText *row = kDescriptions; row->code; row++) {
        if (row->code == code && row->text) {
            sv_runtime().format(buffer, size, "%s (detail %u)\n", row->text, unsigned(detail));
            return;
        }
    }
    sv_runtime().format(buffer, size, "HPDF error 0x%04X, detail %u\n", unsigned(code), unsigned(detail));
}

void sv_hpdf_error_handler(HPDF_STATUS code, HPDF_STATUS detail, void *userData)
{
    if (!errors_raise() || g_pending.pending) return;
    g_pending = {true, code, detail, static_cast<SvHandle *>(userData)};
}

void sv_clear_library_error() { g_pending = {false, 0, 0, nullptr}; }

int sv_library_error()
{
    if (!g_pending.pending) return 0;
    PendingError e = g_pending;
    sv_clear_library_error();
    if (e.document && e.document->object) HPDF_ResetError(static_cast<HPDF_Doc>(e.document->object));
    char text[256];
    sv_describe_library_error(text, sizeof text, e.code, e.detail);
    return sv_error_with_string(SV_ERR_LIBRARY_TEXT, text);
}
