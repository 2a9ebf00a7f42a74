// The link table of a page, shared by GetPageLinks and GetBrush.
#pragma once

#include "document.h"

// Pushes the page's link table; returns 0 or an error code.
int sv_push_page_links(ScriptState *state, SvDocument *doc, engine::Handle page, int pageNumber);
