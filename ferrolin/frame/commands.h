// The commands of the script library "tiko"; each lives with the code it belongs to.
#pragma once

#include "kestrune.h"

extern const CommandEntry fl_tiko_commands[];
extern const HelpString fl_tiko_help[];

#define FL_COMMAND(name) int fl_##name(ScriptState *state)
FL_COMMAND(CreateApp);
FL_COMMAND(FreeApp);
FL_COMMAND(Set);
FL_COMMAND(Get);
FL_COMMAND(DoMethod);
FL_COMMAND(Request);
FL_COMMAND(Notify);
FL_COMMAND(CreateObject);
FL_COMMAND(FreeObject);
FL_COMMAND(HaveObject);
FL_COMMAND(CreateDialog);
FL_COMMAND(FreeDialog);
FL_COMMAND(FreeImage);
