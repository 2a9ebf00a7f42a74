// Document methods that load TrueType fonts: from a file named by the
// script, and by font name through the host (LoadFont), which may need the
// font written out to a temporary file the document keeps until it is freed.
#include "arguments.h"
#include "document.h"

namespace {

// Pushes the loaded font's name, or nil when libharu could not load it.
int name_result(ScriptState *state, const char *name)
{
    if (int err = sv_library_error()) return err;
    if (name) sv_script().pushString(state, name); else sv_script().pushNil(state);
    return 1;
}

// Writes `size` bytes to a new temporary file named in record->path; 0 or a host code.
int write_temp_file(SvTempFile *record, const void *data, int64_t size, const char *fontName)
{
    if (int err = sv_files().tempName(record->path, sizeof record->path)) return err;
    KsFile *file = sv_files().open(record->path, KS_FILE_WRITE);
    if (!file) {
        sv_files().remove(record->path);
        sv_system().setErrorString(fontName);
        return KS_ERR_WRITE_FILE;
    }
    bool written = sv_files().write(file, data, size) == size;
    sv_files().close(file);
    if (!written) {
        sv_files().remove(record->path);
        sv_system().setErrorString(fontName);
        return KS_ERR_WRITE_FILE;
    }
    return 0;
}

// Copies `length` bytes at `offset` of the container file into a new temporary file.
int extract_to_temp_file(SvTempFile *record, const KsFontFile &font, const char *fontName)
{
    KsFile *container = sv_files().open(font.path, KS_FILE_READ_SHARED);
    if (!container) {
        sv_system().setErrorString(font.path);
        return KS_ERR_OPEN_FILE;
    }
    void *buffer = sv_system().allocMem(size_t(font.length), 0, "filebuf");
    if (!buffer) {
        sv_files().close(container);
        return KS_ERR_MEMORY;
    }
    int err = 0;
    if (sv_files().seek(container, font.offset, KS_SEEK_START) < 0 ||
        sv_files().read(container, buffer, font.length) != font.length) {
        sv_system().setErrorString(font.path);
        err = KS_ERR_OPEN_FILE;
    }
    sv_files().close(container);
    if (!err) err = write_temp_file(record, buffer, font.length, fontName);
    sv_system().freeMem(buffer);
    return err;
}

} // namespace

int sv_add_temp_file(SvHandle *document, const char *path)
{
    auto *record = static_cast<SvTempFile *>(sv_system().allocMem(sizeof(SvTempFile), 1, "tmpfileinfo"));
    if (!record) return KS_ERR_MEMORY;
    sv_runtime().format(record->path, sizeof record->path, "%s", path);
    record->next = document->tempFiles;
    document->tempFiles = record;
    return 0;
}

// font=doc:LoadTTFont(filename,embedding[,index]): index -1 (the default)
// loads a single font file, any other index that font of a collection.
// Pushes the font's name.
int sv_doc_LoadTTFont(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    const char *file = s.checkString(state, 2, nullptr);
    auto embed = HPDF_BOOL(sv_truncate(s.checkNumber(state, 3)));
    int64_t index = sv_truncate(s.optNumber(state, 4, -1));
    auto doc = static_cast<HPDF_Doc>(pdf);
    const char *name = index == -1 ? HPDF_LoadTTFontFromFile(doc, file, embed)
                                   : HPDF_LoadTTFontFromFile2(doc, file, HPDF_UINT(index), embed);
    return name_result(state, name);
}

// font=doc:LoadFont(name[,weight,slant,embed]): a font built into the host,
// or one the host's font service finds; pushes the font's name.
int sv_doc_LoadFont(ScriptState *state)
{
    void *pdf;
    if (int err = sv_read_self(state, SV_KIND_DOC, &pdf)) return err;
    const KsScriptServices &s = sv_script();
    const char *fontName = s.checkString(state, 2, nullptr);
    int weight = int(sv_truncate(s.optNumber(state, 3, 80)));
    int slant = int(sv_truncate(s.optNumber(state, 4, 0)));
    auto embed = HPDF_BOOL(sv_truncate(s.optNumber(state, 5, 1)));
    const KsFontServices *fonts = sv.api->fonts;
    if (!fonts) return sv_error_with_string(SV_ERR_LIBRARY_TEXT, "The host has no font services!");

    // record.path names the temporary file until the document's own record is made.
    SvTempFile record = {};
    bool temporary = true;
    size_t builtinSize = 0;
    const void *builtin = fonts->builtinFont(fontName, &builtinSize);
    KsFontFile found = {};
    int err = 0;
    if (builtin) {
        err = write_temp_file(&record, builtin, int64_t(builtinSize), fontName);
    } else if (fonts->findFont(fontName, weight, slant, &found) != 0) {
        sv_system().setErrorString(fontName);
        return KS_ERR_FONT_NOT_FOUND;
    } else if (found.offset != 0 && found.length > 0) {
        err = extract_to_temp_file(&record, found, fontName);
    } else {
        temporary = false;
    }
    if (err) return err;
    const char *path = temporary ? record.path : found.path;
    // A temporary file the document cannot keep a record of is removed at once.
    if (temporary && sv_add_temp_file(static_cast<SvHandle *>(sv_handle_at(state, 1)), path) != 0) {
        sv_files().remove(path);
        return KS_ERR_MEMORY;
    }
    return name_result(state, HPDF_LoadTTFontFromFile(static_cast<HPDF_Doc>(pdf), path, embed));
}
