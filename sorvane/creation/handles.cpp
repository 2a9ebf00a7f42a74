// Handle objects over libharu objects: pushing them with their kind's
// metatable, reading handle arguments, and the list of live documents that
// lets a handle outlive its document safely.
#include "handles.h"

#include "../frame/plugin.h"
#include "library_errors.h"

namespace {

constexpr uint32_t kHandleMagic = 0x53764844u; // marks a handle object of this plugin

// Metatable names by handle kind.
const char *const kTypeNames[SV_KIND_COUNT] = {
    "sorvane.kpl.annot",   "sorvane.kpl.dest",  "sorvane.kpl.doc",     "sorvane.kpl.encoder",
    "sorvane.kpl.extgs",   "sorvane.kpl.font",  "sorvane.kpl.image",   "sorvane.kpl.outline",
    "sorvane.kpl.page",    "sorvane.kpl.xobject", "sorvane.kpl.embeddedfile",
};

SvHandle *g_documents = nullptr; // live documents
uint64_t g_lastSerial = 0;
uint64_t g_callSerial = 0; // the document of the handle the current method was called on

bool document_alive(uint64_t serial)
{
    for (SvHandle *d = g_documents; d; d = d->nextDocument)
        if (d->serial == serial) return true;
    return false;
}

SvHandle *new_handle(ScriptState *state, int kind, void *object, uint64_t serial)
{
    const KsScriptServices &s = sv_script();
    auto *h = static_cast<SvHandle *>(s.newHandleObject(state, sizeof(SvHandle)));
    *h = SvHandle{kHandleMagic, kind, object, nullptr, serial, nullptr};
    s.getMetatable(state, kTypeNames[kind]);
    s.setMetatable(state, -2);
    return h;
}

// Checks the handle at `pos` and answers its object; `kind` is checked for the method's own handle.
int read_handle(ScriptState *state, int pos, void **object, bool self, int kind)
{
    *object = nullptr;
    if (sv_script().typeOf(state, pos) == KS_TYPE_NIL)
        return self ? sv_error_with_number(SV_ERR_HPDF_HANDLE, pos) : 0;
    SvHandle *h = sv_handle_at(state, pos);
    if (!h) return sv_error_with_number(SV_ERR_HANDLE_EXPECTED, pos);
    if (self && h->kind != kind) return sv_error_with_number(SV_ERR_HPDF_HANDLE_TYPE, pos);
    char text[128];
    if (!h->object || !document_alive(h->serial)) {
        sv_runtime().format(text, sizeof text, "The document of the handle in argument %d has been freed!", pos);
        return sv_error_with_string(SV_ERR_LIBRARY_TEXT, text);
    }
    if (self) {
        g_callSerial = h->serial;
    } else if (g_callSerial && h->serial != g_callSerial) {
        sv_runtime().format(text, sizeof text, "The handle in argument %d belongs to another document!", pos);
        return sv_error_with_string(SV_ERR_LIBRARY_TEXT, text);
    }
    *object = h->object;
    return 0;
}

} // namespace

SvHandle *sv_handle_at(ScriptState *state, int pos)
{
    if (sv_script().typeOf(state, pos) != KS_TYPE_HANDLE) return nullptr;
    auto *h = static_cast<SvHandle *>(sv_script().toPointer(state, pos));
    if (!h || h->magic != kHandleMagic || h->kind < 0 || h->kind >= SV_KIND_COUNT) return nullptr;
    return h;
}

void sv_push_handle(ScriptState *state, int kind, void *object)
{
    if (!object || kind < 0 || kind >= SV_KIND_COUNT) {
        sv_script().pushNil(state);
        return;
    }
    new_handle(state, kind, object, g_callSerial);
}

SvHandle *sv_new_document_handle(ScriptState *state) { return new_handle(state, SV_KIND_DOC, nullptr, 0); }

void sv_register_document(SvHandle *handle, void *doc)
{
    handle->object = doc;
    handle->serial = ++g_lastSerial;
    handle->nextDocument = g_documents;
    g_documents = handle;
}

void sv_unregister_document(SvHandle *handle)
{
    for (SvHandle **p = &g_documents; *p; p = &(*p)->nextDocument) {
        if (*p == handle) {
            *p = handle->nextDocument;
            break;
        }
    }
    handle->nextDocument = nullptr;
    handle->object = nullptr;
}

int sv_read_self(ScriptState *state, int kind, void **object)
{
    sv_clear_library_error();
    g_callSerial = 0;
    return read_handle(state, 1, object, true, kind);
}

int sv_read_handle(ScriptState *state, int pos, void **object)
{
    return read_handle(state, pos, object, false, SV_KIND_NONE);
}
