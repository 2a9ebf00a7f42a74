// Document handles: freeing, temporary files and the document methods that
// live outside the method table's own file.
#pragma once

#include "handles.h"

int sv_doc_Free(ScriptState *state);

// Deletes the document's temporary files and frees their records.
void sv_delete_temp_files(SvHandle *handle);
// Remembers a temporary file of the document; 0 or host code 1000.
int sv_add_temp_file(SvHandle *document, const char *path);

// Methods built in files of their own.
int sv_doc_SaveToFile(ScriptState *state);
int sv_doc_LoadPNGImage(ScriptState *state);
int sv_doc_LoadJPEGImage(ScriptState *state);
int sv_doc_LoadRawImage(ScriptState *state);
int sv_doc_CreateImageFromMem(ScriptState *state);
int sv_doc_CreateImageFromBrush(ScriptState *state);
int sv_doc_LoadTTFont(ScriptState *state);
int sv_doc_LoadFont(ScriptState *state);
