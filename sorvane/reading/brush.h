// Brushes made from pages, as far as documents need to know: a document
// cannot be closed while a brush refers to it.
#pragma once

#include "document.h"

// One live page brush ("brushinfo"), kept in the plugin-wide reference list.
struct SvBrush {
    SvBrush *next;
    SvDocument *document;
    engine::Handle page;
    int width;
    int height;
    int transparent;
    int rotated;
    int pageOwnedElsewhere; // 1 when the page belongs to a page node of LoadPage
    uint32_t *pixels;
    engine::Handle bitmap;  // the engine bitmap holding the pixels, or 0 for a host block
};

extern SvBrush *sv_brushes;

bool sv_document_has_brushes(const SvDocument *doc);
