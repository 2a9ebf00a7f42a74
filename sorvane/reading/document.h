// Open PDF documents and their loaded pages.
#pragma once

#include "kestrune.h"

namespace engine {
using Handle = uintptr_t; // an engine handle word; 0 = none
}

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
// The host's attribute query for "PDF document" objects.
int sv_document_query(ScriptState *state, int attribute, const ScriptId *id);
