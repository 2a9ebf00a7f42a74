// Creating and freeing libharu documents: pdf.CreateDocument and doc:Free
// (also the handle's finaliser).
#include "../frame/commands.h"
#include "../frame/plugin.h"
#include "document.h"
#include "handles.h"
#include "hpdf_platform.h"
#include "library_errors.h"

#include <hpdf.h>

// doc=pdf.CreateDocument()
int sv_CreateDocument(ScriptState *state)
{
    // The handle comes first: it is the error handler's user data.
    SvHandle *handle = sv_new_document_handle(state);
    HPDF_Doc pdf = HPDF_NewEx(sv_hpdf_error_handler, sv_hpdf_alloc, sv_hpdf_free, 0, handle);
    sv_clear_library_error();
    if (!pdf) {
        sv_script().pop(state, 1);
        sv_script().pushNil(state);
        return 1;
    }
    sv_register_document(handle, pdf);
    return 1;
}

void sv_delete_temp_files(SvHandle *handle)
{
    while (SvTempFile *t = handle->tempFiles) {
        handle->tempFiles = t->next;
        sv_files().remove(t->path);
        sv_system().freeMem(t);
    }
}

// doc:Free(): frees the libharu document and deletes its temporary files.
// Running it again, or as the finaliser afterwards, finds nothing left to do.
int sv_doc_Free(ScriptState *state)
{
    SvHandle *handle = sv_handle_at(state, 1);
    if (!handle || handle->kind != SV_KIND_DOC) return sv_error_with_number(SV_ERR_HANDLE_EXPECTED, 1);
    if (handle->object) {
        auto pdf = static_cast<HPDF_Doc>(handle->object);
        sv_unregister_document(handle);
        HPDF_Free(pdf);
        sv_clear_library_error();
    }
    sv_delete_temp_files(handle);
    return 0;
}
