// The commands of the script library "pdf"; each lives with the code it belongs to.
#pragma once

#include "kestrune.h"

extern const CommandEntry sv_pdf_commands[];
extern const HelpString sv_pdf_help[];

#define SV_COMMAND(name) int sv_##name(ScriptState *state)
SV_COMMAND(OpenDocument);
SV_COMMAND(CloseDocument);
SV_COMMAND(CreateDocument);
SV_COMMAND(GetObjectType);
SV_COMMAND(GetVersion);
SV_COMMAND(GetBrush);
SV_COMMAND(IsPDF);
SV_COMMAND(LoadPage);
SV_COMMAND(FreePage);
SV_COMMAND(GetBrushFromPage);
SV_COMMAND(GetPageLinks);
SV_COMMAND(GetPageLen);
SV_COMMAND(GetText);
SV_COMMAND(GetCharBox);
SV_COMMAND(GetCharOrigin);
SV_COMMAND(GetCharIndexAtPos);
SV_COMMAND(GetRects);
SV_COMMAND(GetBoundedText);
SV_COMMAND(FindStart);
SV_COMMAND(FindNext);
SV_COMMAND(FindPrev);
SV_COMMAND(GetFindResult);
SV_COMMAND(GetBookmarks);
SV_COMMAND(GetMetaText);
SV_COMMAND(GetPageLabel);
SV_COMMAND(GetLastError);
SV_COMMAND(DeviceToPage);
SV_COMMAND(PageToDevice);
SV_COMMAND(GetCropBox);
SV_COMMAND(GetMediaBox);
