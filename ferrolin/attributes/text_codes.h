// The text formatting codes: escape and image codes in texts from XML.
#pragma once

// Converts the codes of an owned text (host memory) in place, replacing
// *text when the result needs a new block. 0 or an error code.
int fl_unescape_markup_text(char **text);

// The platform's icon for a file name, or null.
void *fl_load_icon(const char *name);
