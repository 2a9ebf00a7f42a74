// Handle objects: what a script holds for a libharu document and for the
// objects inside it, how they are pushed and how handle arguments are read.
#pragma once

#include "kestrune.h"

#include <cstdint>

// Handle kinds; the index selects the metatable a pushed handle gets.
enum SvKind {
    SV_KIND_ANNOT = 0,
    SV_KIND_DEST = 1,
    SV_KIND_DOC = 2,
    SV_KIND_ENCODER = 3,
    SV_KIND_EXTGS = 4,
    SV_KIND_FONT = 5,
    SV_KIND_IMAGE = 6,
    SV_KIND_OUTLINE = 7,
    SV_KIND_PAGE = 8,
    SV_KIND_XOBJECT = 9,
    SV_KIND_EMBEDDED_FILE = 10,
    SV_KIND_COUNT,
    SV_KIND_NONE = -1 // a method result that is not a handle
};

// A temporary file made for a document (a font written out for libharu).
struct SvTempFile {
    SvTempFile *next;
    char path[1024];
};

// The memory of a handle object. Every handle carries the serial number of
// its document, so that a handle whose document has been freed is refused
// instead of handing libharu freed memory. Documents also keep their
// temporary files and their place in the list of live documents.
struct SvHandle {
    uint32_t magic;
    int32_t kind;
    void *object;           // the libharu object; null once the document is freed
    SvTempFile *tempFiles;  // documents only
    uint64_t serial;        // the document's serial number
    SvHandle *nextDocument; // documents only: the list of live documents
};

// Pushes a handle of `kind` for `object` (nil for a null object). A handle
// other than a document's belongs to the document of the call's own handle.
void sv_push_handle(ScriptState *state, int kind, void *object);

// Pushes a new document handle, not yet holding a document, and answers it.
SvHandle *sv_new_document_handle(ScriptState *state);
// Gives the handle its libharu document and a new serial number.
void sv_register_document(SvHandle *handle, void *doc);
// Unlinks a document handle from the live documents; its object is cleared.
void sv_unregister_document(SvHandle *handle);

// Reads the method's own handle (argument 1), which must be a live handle of
// `kind`: libharu does not check every object it is handed, so nil and
// handles of another kind are refused here ("HPDF handle expected in
// argument 1!", "Unexpected HPDF handle type in argument 1!"). A value that
// is not a handle fails with "Handle expected in argument 1!", a handle of a
// freed document with a message saying so. Starts a new call: the pending
// library error is cleared, and later handle arguments must belong to the
// same document.
int sv_read_self(ScriptState *state, int kind, void **object);
// Reads a further handle argument: nil passes a null object on to libharu,
// which checks it; other values as for the method's own handle, without the
// kind check.
int sv_read_handle(ScriptState *state, int pos, void **object);
// The handle object at `pos` when it is one of this plugin's, else null.
SvHandle *sv_handle_at(ScriptState *state, int pos);
