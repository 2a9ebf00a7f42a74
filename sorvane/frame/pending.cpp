// Commands whose code is still to come answer with a clear error. Each line
// goes away when the command is built.
#include "commands.h"
#include "plugin.h"

#define SV_PENDING(name) \
    int sv_##name(ScriptState *) { return sv_error_with_string(SV_ERR_LIBRARY_TEXT, "pdf." #name " is not available yet"); }

SV_PENDING(GetPageLinks)
SV_PENDING(GetPageLen)
SV_PENDING(GetText)
SV_PENDING(GetCharBox)
SV_PENDING(GetCharOrigin)
SV_PENDING(GetCharIndexAtPos)
SV_PENDING(GetRects)
SV_PENDING(GetBoundedText)
SV_PENDING(FindStart)
SV_PENDING(FindNext)
SV_PENDING(FindPrev)
SV_PENDING(GetFindResult)
SV_PENDING(GetBookmarks)
SV_PENDING(GetMetaText)
SV_PENDING(GetPageLabel)
SV_PENDING(DeviceToPage)
SV_PENDING(PageToDevice)
SV_PENDING(GetCropBox)
SV_PENDING(GetMediaBox)
