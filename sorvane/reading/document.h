// Open PDF documents and their loaded pages.
#pragma once

#include "../frame/engine.h"
#include "kestrune.h"


// A loaded page of a document.
struct SvPage {
    SvPage *next;
    engine::Handle page;
    engine::Handle textPage; // 0 until the text is loaded
    engine::Handle search;   // 0 until a search starts
    int number;              // 1-based
};

// An open document ("pdfdoc").
struct SvDocument {
    int type;                // host object type of "PDF document"
    ScriptId id;
    SvDocument *next;
    SvPage *pages;
    KsFileRequest file;      // host file state for a file the host resolved
    char fileName[1024];     // the real file name the host prepared, if it had to
    engine::Handle document;
    int pageCount;
};

SvDocument *sv_find_document(const ScriptId &id);
// Releases every page and the engine document, tells the host, unlinks and frees the record.
void sv_release_document(SvDocument *doc);
// Closes a document as CloseDocument does: refused while brushes refer to it.
int sv_close_document(SvDocument *doc);

// Opens a file in the engine as documents and anims do: host file resolution
// (kept in `file`, whose buffer must hold 1024 bytes), name cleaning, and the
// system character set in UTF-8 mode. Returns the engine document or 0.
engine::Handle sv_open_in_engine(const char *name, const char *password, KsFileRequest *file);

// The lookups every page command shares; the page number is read before the id.
// Steps: the document by id, the page number in range, and (with needNode) the
// loaded page node, with its text page when needText is set.
int sv_lookup(ScriptState *state, int idPos, int pagePos, SvDocument **doc, int *page);
int sv_lookup_page(ScriptState *state, int idPos, int pagePos, bool needText, SvDocument **doc, SvPage **node);
// The host's attribute query for "PDF document" objects.
int sv_document_query(ScriptState *state, int attribute, const ScriptId *id);
