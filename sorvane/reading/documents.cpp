// The open-document list and the commands that open, close and query
// documents: OpenDocument, CloseDocument, IsPDF, GetLastError, and the
// attribute query the host calls for "PDF document" objects.
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "brush.h"
#include "document.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

enum { PDFATTRPAGES = 32768, PDFATTRVERSION = 32769, PDFATTRPERMISSIONS = 32770 };
enum { PDFERR_SUCCESS = 0, PDFERR_FILE = 2 };

int g_lastOpenFailed; // the last OpenDocument failed inside the engine call

bool same_id(const ScriptId &a, const ScriptId &b) { return a.number == b.number && a.pointer == b.pointer; }

// Copies an optional string field of the options table into a host block ("tstring").
int copy_option(ScriptState *state, const char *field, char **copy)
{
    const KsScriptServices &s = sv_script();
    *copy = nullptr;
    int type = s.getField(state, 3, field);
    if (type == KS_TYPE_STRING) {
        size_t length = 0;
        const char *text = s.toString(state, -1, &length);
        *copy = static_cast<char *>(sv_system().allocMem(length + 1, 1, "tstring"));
        if (!*copy) {
            s.pop(state, 1);
            return KS_ERR_MEMORY;
        }
        std::memcpy(*copy, text, length);
    }
    s.pop(state, 1);
    return 0;
}

// Cleans a file name for this platform: backslashes become slashes and "."
// components go; ".." stays, since it is this platform's parent directory.
// The result is never longer than the name.
void clean_name(const char *name, char *out)
{
    char *o = out;
    for (const char *p = name;;) {
        const char *end = p;
        while (*end && *end != '/' && *end != '\\') end++;
        bool dot = end - p == 1 && p[0] == '.';
        if (!dot) {
            std::memcpy(o, p, size_t(end - p));
            o += end - p;
            if (*end) *o++ = '/';
        }
        if (!*end) break;
        p = end + 1;
    }
    *o = 0;
}

void free_option_copies(char *adapter, char *password)
{
    sv_system().freeMem(adapter);
    sv_system().freeMem(password);
}

} // namespace

SvDocument *sv_find_document(const ScriptId &id)
{
    for (SvDocument *d = sv.documents; d; d = d->next)
        if (same_id(d->id, id)) return d;
    return nullptr;
}

engine::Handle sv_open_in_engine(const char *name, const char *password, KsFileRequest *file)
{
    engine::FPDF_SetLastError(0);
    const char *use = name;
    char cleaned[1024];
    char absolute[PATH_MAX];
    file->name = name;
    file->bufferSize = 1024;
    file->special = 0;
    file->state = nullptr;
    if (sv_files().resolveFile(file) == 0 && file->special) {
        if (sv_files().prepareFile(file) != 0) return 0;
        use = file->buffer;
    } else if (std::strlen(name) <= 1023) {
        clean_name(name, cleaned);
        use = cleaned;
    }
    // The engine runs with its own current directory: hand it an absolute path when the file exists.
    if (use[0] != '/' && realpath(use, absolute)) use = absolute;

    char *converted = nullptr;
    if (sv.utf8) {
        converted = sv_system().convertText(use, KS_ENCODING_UTF8, KS_ENCODING_SYSTEM);
        // A name the system character set cannot hold must not open some other file.
        if (!converted) return 0;
        use = converted;
    }
    engine::Handle document = engine::FPDF_LoadDocument(use, password);
    if (converted) sv_system().freeText(converted);
    return document;
}

void sv_release_document(SvDocument *doc)
{
    while (SvPage *page = doc->pages) {
        doc->pages = page->next;
        if (page->search) engine::FPDFText_FindClose(page->search);
        if (page->textPage) engine::FPDFText_ClosePage(page->textPage);
        engine::FPDF_ClosePage(page->page);
        sv_system().freeMem(page);
    }
    if (doc->document) engine::FPDF_CloseDocument(doc->document);
    sv_files().releaseFile(&doc->file);
    sv_system().objectFreed(doc->type, &doc->id);
    for (SvDocument **link = &sv.documents; *link; link = &(*link)->next)
        if (*link == doc) {
            *link = doc->next;
            break;
        }
    sv_system().freeMem(doc);
}

int sv_close_document(SvDocument *doc)
{
    if (sv_document_has_brushes(doc)) return sv_error(SV_ERR_BRUSH_REFERENCES);
    sv_release_document(doc);
    return 0;
}

int sv_lookup(ScriptState *state, int idPos, int pagePos, SvDocument **doc, int *page)
{
    const KsScriptServices &s = sv_script();
    int64_t number = s.checkInteger(state, pagePos);
    ScriptId id;
    s.checkId(state, idPos, &id);
    *doc = sv_find_document(id);
    if (!*doc) return sv_error(SV_ERR_NO_DOCUMENT);
    if (number < 1 || number > (*doc)->pageCount) return sv_error(SV_ERR_PAGE_RANGE);
    *page = int(number);
    return 0;
}

int sv_lookup_page(ScriptState *state, int idPos, int pagePos, bool needText, SvDocument **doc, SvPage **node)
{
    int page;
    int err = sv_lookup(state, idPos, pagePos, doc, &page);
    if (err) return err;
    for (*node = (*doc)->pages; *node; *node = (*node)->next)
        if ((*node)->number == page) break;
    if (!*node) return sv_error(SV_ERR_NO_PAGE);
    if (needText && !(*node)->textPage) return sv_error(SV_ERR_NO_TEXT);
    return 0;
}

// [id]=pdf.OpenDocument(id,file$[,t])
int sv_OpenDocument(ScriptState *state)
{
    const KsScriptServices &s = sv_script();
    size_t length;
    const char *name = s.checkString(state, 2, &length);
    int args = s.argCount(state);
    ScriptId id;
    int automatic = s.checkId(state, 1, &id);

    char *adapter = nullptr, *password = nullptr;
    if (args > 2) {
        s.checkTable(state, 3);
        int err = copy_option(state, "adapter", &adapter);
        if (!err) err = copy_option(state, "password", &password);
        if (err) {
            free_option_copies(adapter, password);
            return err;
        }
    }
    if (!automatic) {
        if (SvDocument *old = sv_find_document(id)) {
            int err = sv_close_document(old);
            if (err) {
                free_option_copies(adapter, password);
                return err;
            }
        }
    }
    auto *doc = static_cast<SvDocument *>(sv_system().allocMem(sizeof(SvDocument), 1, "pdfdoc"));
    if (!doc) {
        free_option_copies(adapter, password);
        return KS_ERR_MEMORY;
    }
    g_lastOpenFailed = 0;
    doc->file.buffer = doc->fileName;
    doc->document = sv_open_in_engine(name, password, &doc->file);
    free_option_copies(adapter, password);
    if (!doc->document) {
        g_lastOpenFailed = 1;
        sv_files().releaseFile(&doc->file);
        sv_system().freeMem(doc);
        return sv_error_with_string(SV_ERR_OPEN_DOCUMENT, name);
    }
    doc->pageCount = engine::FPDF_GetPageCount(doc->document);
    if (doc->pageCount <= 0) {
        engine::FPDF_CloseDocument(doc->document);
        sv_files().releaseFile(&doc->file);
        sv_system().freeMem(doc);
        return sv_error(SV_ERR_EMPTY_DOCUMENT);
    }
    SvDocument **tail = &sv.documents;
    while (*tail) tail = &(*tail)->next;
    *tail = doc;
    doc->type = sv.documentType;
    doc->id = id;
    if (!automatic) return 0;
    doc->id.pointer = doc;
    s.pushLightPointer(state, doc);
    return 1;
}

// pdf.CloseDocument(id)
int sv_CloseDocument(ScriptState *state)
{
    ScriptId id;
    sv_script().checkId(state, 1, &id);
    SvDocument *doc = sv_find_document(id);
    if (!doc) return sv_error(SV_ERR_NO_DOCUMENT);
    return sv_close_document(doc);
}

// ok=pdf.IsPDF(f$)
int sv_IsPDF(ScriptState *state)
{
    size_t length;
    const char *name = sv_script().checkString(state, 1, &length);
    KsFile *file = sv_files().open(name, KS_FILE_READ);
    if (!file) return sv_error_with_string(SV_ERR_OPEN_DOCUMENT, name);
    char magic[4];
    int64_t got = sv_files().read(file, magic, 4);
    sv_files().close(file);
    sv_script().pushInteger(state, got == 4 && std::memcmp(magic, "%PDF", 4) == 0 ? 1 : 0);
    return 1;
}

// error=pdf.GetLastError()
int sv_GetLastError(ScriptState *state)
{
    unsigned long error = engine::FPDF_GetLastError();
    if (error == PDFERR_SUCCESS && g_lastOpenFailed) error = PDFERR_FILE;
    sv_script().pushInteger(state, int64_t(error));
    return 1;
}

int sv_document_query(ScriptState *state, int attribute, const ScriptId *id)
{
    SvDocument *doc = sv_find_document(*id);
    if (!doc) return sv_error(SV_ERR_NO_DOCUMENT);
    switch (attribute) {
    case PDFATTRPAGES: sv_script().pushInteger(state, doc->pageCount); return 1;
    case PDFATTRVERSION: {
        int version = 0;
        engine::FPDF_GetFileVersion(doc->document, &version);
        sv_script().pushInteger(state, version);
        return 1;
    }
    case PDFATTRPERMISSIONS:
        sv_script().pushInteger(state, int64_t(engine::FPDF_GetDocPermissions(doc->document)));
        return 1;
    default: return KS_ERR_UNKNOWN_ATTR;
    }
}
