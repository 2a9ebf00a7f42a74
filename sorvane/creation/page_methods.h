// Page methods built outside the page method table's own file.
#pragma once

#include "kestrune.h"

int sv_page_SetDash(ScriptState *state);
int sv_page_MeasureText(ScriptState *state);
int sv_page_TextRect(ScriptState *state);
int sv_page_MoveTextPos(ScriptState *state);
int sv_page_ShowTextNextLine(ScriptState *state);
int sv_page_GetCurrentPos(ScriptState *state);
int sv_page_GetCurrentTextPos(ScriptState *state);
int sv_page_CreateWidgetAnnot(ScriptState *state);
