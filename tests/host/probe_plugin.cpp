// "probe": a small plugin that lets test scripts reach the host services a
// plugin uses (memory, errors, hooks, object types, text, files, options).
#include "kestrune.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const HostApi *g_api;
PluginInfo *g_info;
int g_errSame1, g_errSame2, g_errFormat;
intptr_t g_utf8 = -1;
int g_type = -1;
std::string g_options; // what the last RequirePlugin saw

const KsScriptServices &S() { return *g_api->script; }

void hook(int, intptr_t value, void *) { g_utf8 = value; }

// Objects of the probe type: ids 1..3 exist and answer attribute 1 with id * 10.
int query(ScriptState *s, int attribute, const ScriptId *id)
{
    if (id->number < 1 || id->number > 3) return g_errFormat;
    if (attribute != 1) return KS_ERR_UNKNOWN_ATTR;
    S().pushInteger(s, id->number * 10);
    return 1;
}

int cmd_Leak(ScriptState *s)
{
    size_t n;
    const char *tag = S().checkString(s, 1, &n);
    void *p = g_api->system->allocMem(16, 1, tag);
    S().pushInteger(s, p ? 1 : 0);
    return 1;
}

int cmd_AllocFree(ScriptState *s)
{
    size_t n;
    const char *tag = S().checkString(s, 1, &n);
    auto *p = static_cast<unsigned char *>(g_api->system->allocMem(64, 1, tag));
    if (!p) return KS_ERR_MEMORY;
    int clear = 1;
    for (int i = 0; i < 64; i++) clear &= p[i] == 0;
    g_api->system->freeMem(p);
    S().pushInteger(s, clear);
    return 1;
}

int cmd_Fail(ScriptState *s)
{
    int which = int(S().checkInteger(s, 1));
    size_t n;
    const char *arg = S().optString(s, 2, "", &n);
    if (which == 1) return g_errSame1;
    if (which == 2) return g_errSame2;
    if (which == 3) {
        g_api->system->setErrorString(arg);
        g_api->system->setErrorNumber(int(S().optInteger(s, 3, 0)));
        return g_errFormat;
    }
    if (which == 4) S().raiseError(s, KS_ERR_TABLE_FIELD);
    g_api->system->setErrorString(arg);
    return which; // a host code
}

int cmd_ErrorIds(ScriptState *s)
{
    S().pushInteger(s, g_errSame1);
    S().pushInteger(s, g_errSame2);
    return 2;
}

int cmd_Utf8(ScriptState *s)
{
    S().pushInteger(s, g_utf8);
    return 1;
}

int cmd_Type(ScriptState *s)
{
    S().pushInteger(s, g_type);
    return 1;
}

int cmd_Options(ScriptState *s)
{
    S().pushString(s, g_options.c_str());
    return 1;
}

// Convert(text, from, to) -> converted text, or nil when it cannot be converted.
int cmd_Convert(ScriptState *s)
{
    size_t n;
    const char *text = S().checkString(s, 1, &n);
    char *out = g_api->system->convertText(text, int(S().checkInteger(s, 2)), int(S().checkInteger(s, 3)));
    if (!out) {
        S().pushNil(s);
        return 1;
    }
    S().pushString(s, out);
    g_api->system->freeText(out);
    return 1;
}

// Info(key) -> the string (keys 0x1A..0x1E) or word answered, and the count answered.
int cmd_Info(ScriptState *s)
{
    int key = int(S().checkInteger(s, 1));
    const char *text = nullptr;
    uint32_t word = 1;
    KsTagItem list[2] = {{uintptr_t(key), key >= 0x1A && key <= 0x1E ? uintptr_t(&text) : uintptr_t(&word)}, {0, 0}};
    int answered = g_api->system->queryInfo(list);
    if (text) S().pushString(s, text); else S().pushInteger(s, word);
    S().pushInteger(s, answered);
    return 2;
}

// ReadFile(name) -> contents through the host's file services, with a special-file flag.
int cmd_ReadFile(ScriptState *s)
{
    size_t n;
    const char *name = S().checkString(s, 1, &n);
    KsFileRequest req{};
    char buffer[1024];
    req.name = name;
    req.buffer = buffer;
    req.bufferSize = sizeof buffer;
    if (g_api->files->resolveFile(&req)) return KS_ERR_USAGE;
    const char *real = name;
    if (req.special) {
        int err = g_api->files->prepareFile(&req);
        if (err) return err;
        real = buffer;
    }
    // Read through the prepared real file (for a special file) as the engine would.
    FILE *fp = std::fopen(real, "rb");
    std::string data;
    if (fp) {
        char chunk[256];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, fp)) > 0) data.append(chunk, got);
        std::fclose(fp);
    }
    g_api->files->releaseFile(&req);
    bool existsAfter = false;
    if (req.special) {
        FILE *again = std::fopen(real, "rb");
        existsAfter = again != nullptr;
        if (again) std::fclose(again);
    }
    if (!fp) {
        g_api->system->setErrorString(name);
        return KS_ERR_OPEN_FILE;
    }
    S().pushLString(s, data.data(), data.size());
    S().pushInteger(s, req.special);
    S().pushInteger(s, existsAfter ? 1 : 0);
    return 3;
}

// FileRoundTrip(): writes a temporary file through the host, seeks and reads it back.
int cmd_FileRoundTrip(ScriptState *s)
{
    const KsFileServices &f = *g_api->files;
    char name[1024];
    if (f.tempName(name, sizeof name)) return KS_ERR_WRITE_FILE;
    KsFile *w = f.open(name, KS_FILE_WRITE);
    if (!w) return KS_ERR_WRITE_FILE;
    f.write(w, "abcdef", 6);
    f.close(w);
    KsFile *r = f.open(name, KS_FILE_READ);
    char buf[8] = {0};
    int64_t previous = f.seek(r, 2, KS_SEEK_START);
    int64_t got = f.read(r, buf, 8);
    int atEnd = f.atEnd(r);
    int64_t fromEnd = f.seek(r, -1, KS_SEEK_END);
    f.close(r);
    int removed = f.remove(name) == 0;
    S().pushString(s, buf);
    S().pushInteger(s, previous);
    S().pushInteger(s, got);
    S().pushInteger(s, atEnd);
    S().pushInteger(s, fromEnd);
    S().pushInteger(s, removed);
    return 6;
}

const CommandEntry kCommands[] = {
    {"Leak", cmd_Leak}, {"AllocFree", cmd_AllocFree}, {"Fail", cmd_Fail}, {"ErrorIds", cmd_ErrorIds},
    {"Utf8", cmd_Utf8}, {"Type", cmd_Type}, {"Options", cmd_Options}, {"Convert", cmd_Convert},
    {"Info", cmd_Info}, {"ReadFile", cmd_ReadFile}, {"FileRoundTrip", cmd_FileRoundTrip}, {nullptr, nullptr},
};

const HelpString kHelp[] = {
    {"ok=probe.Leak(tag$) -- allocate and keep a block", 0},
    {"clear=probe.AllocFree(tag$) -- allocate, check cleared, free", 0},
    {"probe.Fail(which[,s$,n]) -- return an error", 0},
    {"a,b=probe.ErrorIds() -- ids of two equal messages", 0},
    {"mode=probe.Utf8() -- last reported UTF-8 mode", 0},
    {"type=probe.Type() -- object type id", 0},
    {"s$=probe.Options() -- options seen by RequirePlugin", 0},
    {"s$=probe.Convert(s$,from,to) -- convert text", 0},
    {"v,n=probe.Info(key) -- information query", 0},
    {"data$,special,left=probe.ReadFile(f$) -- read through the file resolver", 0},
    {"...=probe.FileRoundTrip() -- file services round trip", 0},
};

int InitPlugin(PluginInfo *info, const HostApi *api, const char *)
{
    info->capabilities = KS_CAP_LIBRARY;
    info->version = 1;
    info->hostVersion = 7;
    info->hostRevision = 1;
    info->name = "Probe";
    info->moduleName = "probe";
    if (!api) return 1;
    g_api = api;
    g_info = info;
    g_errSame1 = api->system->registerError("Same text");
    g_errSame2 = api->system->registerError("Same text");
    g_errFormat = api->system->registerError("Object %s has no number %d");
    api->system->registerHook(KS_HOOK_UTF8_MODE, hook, nullptr);
    return 1;
}

int InitLibrary(ScriptState *s)
{
    g_type = g_api->system->registerObjectType(s, "Probe object", nullptr, query);
    return 0;
}

int RequirePlugin(ScriptState *, int version, int revision, uint32_t, const KsTagItem *tags)
{
    g_options = "host " + std::to_string(version) + "." + std::to_string(revision);
    for (const KsTagItem *t = tags; t && t->tag; t++) {
        if (t->tag == KS_OPTION_TAG_ANSWER) *reinterpret_cast<int32_t *>(t->data) = 1;
        if (t->tag != KS_OPTION_TAG_LIST) continue;
        for (auto *n = reinterpret_cast<const KsOptionNode *>(t->data); n; n = n->next) {
            char value[64];
            if (n->string) std::snprintf(value, sizeof value, "'%s'", n->string);
            else std::snprintf(value, sizeof value, "%g", n->number);
            g_options += std::string(";") + n->name + "=" + value;
        }
    }
    return 0;
}

const char *GetBaseTable() { return "probe"; }
const CommandEntry *GetCommands() { return kCommands; }
const HelpString *GetHelpStrings() { return kHelp; }

#define ENTRY(name) {#name, reinterpret_cast<KsEntry>(name)}
const KsEntryRow kExports[] = {
    ENTRY(InitPlugin), ENTRY(InitLibrary), ENTRY(RequirePlugin), ENTRY(GetBaseTable), ENTRY(GetCommands),
    ENTRY(GetHelpStrings), {nullptr, nullptr},
};

KsEntry lookup(const char *name) { return ks_find_entry(kExports, name); }

} // namespace

extern "C" __attribute__((visibility("default"))) const PluginHeader KestrunePluginHeader = {
    {'K', 'E', 'S', 'T', 'R', 'U', 'N', 'E'}, KS_HEADER_VERSION, lookup};
