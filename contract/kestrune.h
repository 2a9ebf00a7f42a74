/*
 * The Kestrune plugin contract: what a plugin file exposes to the host and the
 * services the host hands to it. Plain C declarations so that any compiler on
 * either side agrees on the layout.
 *
 * A plugin file is a shared object exporting exactly one symbol, its
 * PluginHeader (KS_HEADER_SYMBOL). Every entry point is fetched by name
 * through the header's lookup function.
 */
#ifndef KESTRUNE_CONTRACT_H
#define KESTRUNE_CONTRACT_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------ header */

#define KS_HEADER_SYMBOL "KestrunePluginHeader"
#define KS_HEADER_MAGIC "KESTRUNE" /* 8 bytes, no terminator in the header */
#define KS_HEADER_VERSION 1

typedef void (*KsEntry)(void);
typedef KsEntry (*KsEntryLookup)(const char *name);

typedef struct PluginHeader {
    char magic[8];
    uint32_t version;
    KsEntryLookup lookup;
} PluginHeader;

/* One row of a plugin's entry table; the table ends with a null name. */
typedef struct KsEntryRow {
    const char *name;
    KsEntry function;
} KsEntryRow;

/* Exact, case-sensitive search of an entry table in table order. */
KsEntry ks_find_entry(const KsEntryRow *table, const char *name);

/* -------------------------------------------------------------- plugin info */

enum {
    KS_CAP_LIBRARY = 0x2,      /* script library: commands, constants, help */
    KS_CAP_ANIM = 0x8,         /* anim loader: frame entry points */
    KS_CAP_DISPLAY = 0x800,    /* display adapter */
    KS_CAP_EXTRA_400 = 0x400,  /* host-defined bit set by both plugins */
    KS_CAP_EXTRA_20000 = 0x20000
};

typedef struct PluginInfo {
    uint32_t capabilities;
    int32_t version;
    int32_t revision;
    int32_t hostVersion;  /* on entry the running host's; on return the minimum needed */
    int32_t hostRevision;
    const char *name;
    const char *moduleName;
    const char *author;
    const char *description;
    const char *legal;
    const char *url;
    const char *date; /* dd.mm.yy */
    uintptr_t reserved; /* always 0 */
    const char *guide;
} PluginInfo;

/* ------------------------------------------------------------- script side */

typedef struct ScriptState ScriptState; /* opaque handle of the calling interpreter */

/* A command returns the number of results it pushed, or an error code. */
typedef int (*KsCommand)(ScriptState *state);

typedef struct CommandEntry {
    const char *name;
    KsCommand function;
} CommandEntry;

typedef struct HelpString {
    const char *text;
    uintptr_t zero;
} HelpString;

typedef struct ConstantEntry {
    const char *name;
    const char *string; /* null for a number constant */
    double number;
} ConstantEntry;

/* Value types reported by the script stack. */
enum {
    KS_TYPE_NIL = 0,
    KS_TYPE_BOOLEAN = 1,
    KS_TYPE_LIGHTPOINTER = 2,
    KS_TYPE_NUMBER = 3,
    KS_TYPE_STRING = 4,
    KS_TYPE_TABLE = 5,
    KS_TYPE_FUNCTION = 6,
    KS_TYPE_HANDLE = 7
};

/*
 * An object id as read from a script argument: a script-chosen number, or an
 * automatic id (number KS_ID_AUTO) whose pointer word names the object. A nil
 * argument reads as an automatic id with a null pointer; the plugin then puts
 * its record there and hands the script a light pointer to it.
 */
#define KS_ID_AUTO ((intptr_t)INT32_MIN)
typedef struct ScriptId {
    intptr_t number;
    void *pointer;
} ScriptId;

/* ------------------------------------------------------------- error codes */

/* Results below this are result counts; host codes and custom ids lie above. */
#define KS_MAX_RESULTS 999

enum {
    KS_ERR_MEMORY = 1000,        /* out of memory */
    KS_ERR_BREAK = 1003,         /* the user asked to break */
    KS_ERR_OPEN_FILE = 1045,     /* "%s": a file could not be opened */
    KS_ERR_WRITE_FILE = 1052,    /* "%s": a file could not be written */
    KS_ERR_USAGE = 1055,         /* wrong usage of a command */
    KS_ERR_UNKNOWN_ATTR = 1080,  /* unknown attribute */
    KS_ERR_OPEN_LIBRARY = 1087,  /* a system library is missing */
    KS_ERR_TABLE_FIELD = 1159,   /* "%s": table field missing or of the wrong type */
    KS_ERR_TOO_MANY_ARGS = 1193, /* too many arguments */
    KS_ERR_STRING_FIELD = 1197,  /* a table field must be a string */
    KS_ERR_UNKNOWN_OPTION = 1222,/* "%s": unknown option */
    KS_ERR_FONT_NOT_FOUND = 1332 /* "%s": no such font */
};

/* Custom error ids handed out by the host lie at or above this value. */
#define KS_CUSTOM_ERROR_BASE 100000

/* ---------------------------------------------------------------- services */

typedef struct KsTagItem {
    uintptr_t tag;
    uintptr_t data;
} KsTagItem;

/* Information query keys. */
enum {
    KS_INFO_APP_TITLE = 0x1A,
    KS_INFO_APP_VERSION = 0x1B,
    KS_INFO_APP_COPYRIGHT = 0x1C,
    KS_INFO_APP_AUTHOR = 0x1D,
    KS_INFO_APP_DESCRIPTION = 0x1E,
    KS_INFO_RAISE_LIBRARY_ERRORS = 0x2C /* word: 0 keeps library errors silent */
};

/*
 * Hook kinds. Kind 0 is a plugin's event pump, which the host runs from its
 * own loops; kind 2 receives a state number from the host (its meaning is
 * the host's); kind 3 reports the UTF-8 mode.
 */
enum { KS_HOOK_EVENT_PUMP = 0, KS_HOOK_HOST_STATE = 2, KS_HOOK_UTF8_MODE = 3 };

/* Text encodings for the conversion service. */
enum { KS_ENCODING_UTF8 = 1, KS_ENCODING_SYSTEM = 2 };

typedef void (*KsHook)(int kind, intptr_t value, void *userData);

/* Object type query: pushes the attribute's value and returns the result count, or an error code. */
typedef int (*KsObjectQuery)(ScriptState *state, int attribute, const ScriptId *id);

/*
 * Event classes. A plugin registers a named class with a converter and gets a
 * handle for it (null on failure). When the host delivers an event of the
 * class, it calls the converter with the script's callback table on top of
 * the stack and the record the event carried; the converter adds its fields
 * to the table and returns 0 or an error code.
 */
typedef struct KsEventType KsEventType;
typedef int (*KsEventConverter)(ScriptState *state, KsEventType *type, void *record);

/* One loaded plugin, as listed by obtainPluginList. */
typedef struct KsPluginNode {
    struct KsPluginNode *next;
    const char *moduleName; /* as the plugin reports it in its PluginInfo */
    const PluginInfo *info;
} KsPluginNode;

/*
 * What a plugin hands another through handToPlugin: two words whose meaning
 * is the host's (the GUI plugin passes 1 and 2) and its event pump, which
 * answers the signal mask to wait for next.
 */
typedef uint32_t (*KsEventPump)(void);
typedef struct KsPumpRecord {
    uintptr_t kind;
    uintptr_t version;
    KsEventPump pump;
} KsPumpRecord;

typedef struct KsSystemServices {
    /* {key, pointer to result} pairs ended by key 0; returns the number of keys answered. */
    int (*queryInfo)(const KsTagItem *list);
    int (*registerError)(const char *text);
    void (*setErrorString)(const char *text);
    void (*setErrorNumber)(int number);
    void *(*allocMem)(size_t size, int clear, const char *tag);
    void (*freeMem)(void *block);
    int (*registerHook)(int kind, KsHook hook, void *userData);
    /* Returns the type id, or -1. listHead is the plugin's list of objects of the type. */
    int (*registerObjectType)(ScriptState *state, const char *name, void *listHead, KsObjectQuery query);
    void (*objectFreed)(int type, const ScriptId *id);
    /* A new text, or null when it is not valid in `from` or cannot be represented in `to`. */
    char *(*convertText)(const char *text, int from, int to);
    void (*freeText)(char *text);
    int (*configureCapability)(PluginInfo *info, uint32_t capability, intptr_t value, const KsTagItem *options);
    int (*enableCapability)(PluginInfo *info, uint32_t capability);
    KsEventType *(*registerEventType)(const char *name, KsEventConverter converter);
    /* The loaded plugins, valid until released; activatePlugin returns 0 or an error code. */
    KsPluginNode *(*obtainPluginList)(void);
    int (*activatePlugin)(KsPluginNode *plugin);
    void (*releasePluginList)(KsPluginNode *list);
    /* Hands `record` from the plugin `from` to the loaded plugin of that module name: 0 or an error code. */
    int (*handToPlugin)(const char *moduleName, PluginInfo *from, const void *record);
} KsSystemServices;

typedef struct KsRuntimeServices {
    int (*format)(char *buffer, size_t size, const char *format, ...);
    int (*compare)(const char *a, const char *b);
    int (*compareNoCase)(const char *a, const char *b);
    void (*lowerCase)(char *buffer);
    int (*toUpper)(int c);
    int (*toLower)(int c);
    void *(*alloc)(size_t size);
    void (*free)(void *block);
} KsRuntimeServices;

typedef struct KsFile KsFile;

enum { KS_FILE_READ = 0, KS_FILE_WRITE = 1, KS_FILE_READ_SHARED = 4 };
enum { KS_SEEK_CURRENT = 0, KS_SEEK_START = 1, KS_SEEK_END = 2 };

/*
 * Host-file resolution. The plugin fills name, buffer and bufferSize; the
 * host sets `special` when the name is not an ordinary file the operating
 * system can open (a file inside the program, or reached through an
 * adapter). For a special file prepareFile writes a real file name into
 * buffer and keeps its state in `state`, which releaseFile frees.
 */
typedef struct KsFileRequest {
    const char *name;
    char *buffer;
    size_t bufferSize;
    int special;
    void *state;
} KsFileRequest;

typedef struct KsFileServices {
    KsFile *(*open)(const char *name, int mode);
    void (*close)(KsFile *file);
    int64_t (*read)(KsFile *file, void *buffer, int64_t count);
    int64_t (*write)(KsFile *file, const void *buffer, int64_t count);
    int64_t (*seek)(KsFile *file, int64_t position, int mode); /* returns the previous position, -1 on error */
    int (*atEnd)(KsFile *file);
    int (*tempName)(char *buffer, size_t size);
    int (*remove)(const char *name);
    int (*resolveFile)(KsFileRequest *request);
    int (*prepareFile)(KsFileRequest *request);
    void (*releaseFile)(KsFileRequest *request);
} KsFileServices;

typedef struct KsScriptServices {
    double (*checkNumber)(ScriptState *s, int pos);
    double (*optNumber)(ScriptState *s, int pos, double def);
    int64_t (*checkInteger)(ScriptState *s, int pos);
    int64_t (*optInteger)(ScriptState *s, int pos, int64_t def);
    const char *(*checkString)(ScriptState *s, int pos, size_t *length);
    const char *(*optString)(ScriptState *s, int pos, const char *def, size_t *length);
    void (*checkTable)(ScriptState *s, int pos);
    /* Reads an id argument; returns 1 when it is automatic (nil), else 0. */
    int (*checkId)(ScriptState *s, int pos, ScriptId *id);
    int (*argCount)(ScriptState *s);
    int (*typeOf)(ScriptState *s, int pos);
    double (*toNumber)(ScriptState *s, int pos, int *isNumber);
    int64_t (*toInteger)(ScriptState *s, int pos, int *isInteger);
    const char *(*toString)(ScriptState *s, int pos, size_t *length); /* null unless a string or number */
    void *(*toPointer)(ScriptState *s, int pos); /* light pointer or handle object memory */
    void (*pushNumber)(ScriptState *s, double value);
    void (*pushInteger)(ScriptState *s, int64_t value);
    void (*pushString)(ScriptState *s, const char *text);
    void (*pushLString)(ScriptState *s, const char *text, size_t length);
    void (*pushNil)(ScriptState *s);
    void (*pushLightPointer)(ScriptState *s, void *pointer);
    void (*pushCommand)(ScriptState *s, KsCommand command);
    void (*pushValue)(ScriptState *s, int pos);
    void (*newTable)(ScriptState *s, int arraySize, int recordSize);
    int (*getField)(ScriptState *s, int table, const char *key); /* pushes the field, returns its type */
    void (*setField)(ScriptState *s, int table, const char *key); /* pops the value */
    int (*getIndex)(ScriptState *s, int table, int64_t index);
    void (*setIndex)(ScriptState *s, int table, int64_t index);
    int (*newMetatable)(ScriptState *s, const char *name); /* pushes it; 0 when it existed */
    int (*getMetatable)(ScriptState *s, const char *name); /* pushes it; returns its type */
    void (*setMetatable)(ScriptState *s, int pos);         /* pops a table, attaches it to pos */
    void *(*newHandleObject)(ScriptState *s, size_t size); /* pushes it */
    int (*ensureStack)(ScriptState *s, int count);
    int (*top)(ScriptState *s);
    void (*pop)(ScriptState *s, int count);
    int (*reference)(ScriptState *s);           /* pops a value, returns a reference */
    void (*pushReference)(ScriptState *s, int reference);
    void (*unreference)(ScriptState *s, int reference);
    /* Protected call of the function below nargs arguments; 0 or an error code. */
    int (*call)(ScriptState *s, int nargs, int nresults);
    void (*raiseError)(ScriptState *s, int code); /* does not return */
} KsScriptServices;

/*
 * Brushes. Pixels are 32-bit words A, R, G, B from the most significant byte
 * down, rows packed, top row first.
 *
 * A vector brush's pixels belong to the plugin: the host asks for them through
 * the pixel callback and asks for a new rendering through the transform
 * callback, whose matrix (m0, m1, m2, m3) maps the untransformed brush as
 * x' = m0*x + m2*y, y' = m1*x + m3*y (y grows downward). The anim loader's
 * vector frames use the same three callbacks.
 */
typedef struct KsPixelInfo {
    int32_t width;
    int32_t height;
    int32_t pixelsPerRow;
    int32_t alpha; /* 1 when the pixels carry alpha */
} KsPixelInfo;

typedef uint32_t *(*KsPixelCallback)(void *record, KsPixelInfo *out);
typedef void (*KsFreeCallback)(void *record);
typedef int (*KsTransformCallback)(void *record, const double matrix[4], int width, int height);

enum { KS_VECTOR_FLAG_DEFAULT = 4, KS_VECTOR_FLAG_ALPHA = 1 };

typedef struct KsVectorBrushRequest {
    uint32_t *pixels;
    uintptr_t width;
    uintptr_t zero1;
    uintptr_t flags; /* 4, or 5 when transparent */
    uintptr_t zero2;
    KsPixelCallback pixelCallback;
    KsFreeCallback freeCallback;
    KsTransformCallback transformCallback;
    void *record;
    uintptr_t zero3;
} KsVectorBrushRequest;

/* A locked brush: its pixels in the format above, valid until unlocked. */
typedef struct KsBrushLock {
    uint32_t *pixels;
    int32_t width;
    int32_t height;
    int32_t pixelsPerRow;
    int32_t alpha;
    void *brush; /* the host's own */
} KsBrushLock;

typedef struct KsGraphicsServices {
    /*
     * Creates a vector brush under `id` (an existing brush of that number is
     * freed first). For an automatic id the host answers the new brush's
     * automatic id in *autoId, which the plugin hands to the script as a
     * light pointer. Returns 0 or an error code.
     */
    int (*createVectorBrush)(const ScriptId *id, int width, int height, const KsVectorBrushRequest *request,
                             void **autoId);
    int (*lockBrush)(const ScriptId *id, KsBrushLock *lock); /* 0 or an error code */
    void (*unlockBrush)(KsBrushLock *lock);
} KsGraphicsServices;

/*
 * The anim loader's records: the host's anim information (32-bit words:
 * 0 width, 1 height, 3 frame count, 4 and 5 set by the loader, 11 vector
 * flag) and frame request (word 4: transparent).
 */
enum { KS_ANIM_INFO_WORDS = 16, KS_FRAME_REQUEST_WORDS = 8 };

typedef void *(*KsOpenAnim)(const char *file, uint32_t *animInfo);
typedef void *(*KsLoadFrame)(void *anim, int index, uint32_t *request);
typedef void (*KsFreeFrame)(void *frame);
typedef int (*KsGetFrameDelay)(void *anim, int index);
typedef void (*KsCloseAnim)(void *anim);

/*
 * Fonts. Weights and slants use fontconfig's scales (weight 80 regular, 200
 * bold; slant 0 roman, 100 italic, 110 oblique).
 */
typedef struct KsFontFile {
    char path[1024];
    int64_t offset; /* nonzero: the font's data lies inside a larger file at this offset */
    int64_t length; /* the length of that data */
} KsFontFile;

typedef struct KsFontServices {
    /* Finds the TrueType file of a font by name, weight and slant: 0, or KS_ERR_FONT_NOT_FOUND. */
    int (*findFont)(const char *name, int weight, int slant, KsFontFile *result);
    /* The TrueType data of a font built into the host, selected by exact name; null for other names. */
    const void *(*builtinFont)(const char *name, size_t *length);
} KsFontServices;

/* The display service table grows with the plugins that use it; its first member is a placeholder. */
typedef struct KsDisplayServices {
    void *reserved;
    /*
     * Asks the host to adapt its output for the plugin to a palette screen
     * (8 or fewer bit planes); mode and options are the host's (the GUI
     * plugin passes 1 and {1: 10}). 0 or an error code.
     */
    int (*adaptToPaletteScreen)(PluginInfo *info, int mode, const KsTagItem *options);
} KsDisplayServices;

typedef struct HostApi {
    uintptr_t version; /* the host's major version */
    const KsRuntimeServices *runtime;
    const KsSystemServices *system;
    const KsFileServices *files;
    const KsGraphicsServices *graphics;
    const KsFontServices *fonts;
    const KsScriptServices *script;
    const KsDisplayServices *display;
} HostApi;

/* -------------------------------------------------------------- entry types */

typedef int (*KsInitPlugin)(PluginInfo *info, const HostApi *api, const char *path);
typedef void (*KsClosePlugin)(void);
typedef int (*KsRequirePlugin)(ScriptState *s, int version, int revision, uint32_t flags, const KsTagItem *options);
typedef const char *(*KsGetBaseTable)(void);
typedef const CommandEntry *(*KsGetCommands)(void);
typedef const ConstantEntry *(*KsGetConstants)(void);
typedef const HelpString *(*KsGetHelpStrings)(void);
typedef int (*KsGetLibraryCount)(void);
typedef void (*KsSetCurrentLibrary)(int index);
typedef uint32_t (*KsGetExtensions)(uint32_t capability);
typedef int (*KsInitLibrary)(ScriptState *s);
typedef void (*KsFreeLibrary)(ScriptState *s);

/* RequirePlugin option tags: tag 2 heads a list of KsOptionNode. */
/* Tag 1: data points to a 32-bit word the plugin answers with 1. */
enum { KS_OPTION_TAG_END = 0, KS_OPTION_TAG_ANSWER = 1, KS_OPTION_TAG_LIST = 2 };

typedef struct KsOptionNode {
    struct KsOptionNode *next;
    const char *name;
    const char *string; /* set for string values, else null */
    double number;
} KsOptionNode;

#ifdef __cplusplus
}
#endif

#endif
