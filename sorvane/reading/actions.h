// The "action" and "target" fields that links and bookmarks share.
#pragma once

#include "document.h"

// Action codes as the engine reports them.
enum {
    PDFACTION_UNSUPPORTED = 0,
    PDFACTION_GOTO = 1,
    PDFACTION_REMOTEGOTO = 2,
    PDFACTION_URI = 3,
    PDFACTION_LAUNCH = 4,
};

// Sets "action" and "target" on the table on top of the script stack. Without
// an action, `dest` is a destination in this document: action GOTO, target its
// 1-based page. With an action, its own type decides: GOTO gives the page of
// its destination, REMOTEGOTO and LAUNCH the file path, URI the URI, and any
// other type the empty string.
void sv_set_action_fields(ScriptState *state, const SvDocument *doc, engine::Handle action, engine::Handle dest);
