// Method tables of the nine handle kinds with methods, each with its help table.
#pragma once

#include "kestrune.h"

#define SV_METHOD_TABLE(kind)                      \
    extern const CommandEntry sv_##kind##_methods[]; \
    extern const HelpString sv_##kind##_help[];

SV_METHOD_TABLE(doc)
SV_METHOD_TABLE(page)
SV_METHOD_TABLE(image)
SV_METHOD_TABLE(font)
SV_METHOD_TABLE(outline)
SV_METHOD_TABLE(encoder)
SV_METHOD_TABLE(extgs)
SV_METHOD_TABLE(annot)
SV_METHOD_TABLE(dest)
