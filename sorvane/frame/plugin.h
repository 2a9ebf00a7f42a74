// Plugin-wide state of sorvane and the names every part of the plugin shares.
#pragma once

#include "kestrune.h"

struct SvDocument; // reading/document.h

// Custom error ids, in the order the messages are registered.
enum SvError {
    SV_ERR_OPEN_DOCUMENT,     // "Error opening PDF document %s"
    SV_ERR_CREATE_DOCUMENT,   // "Cannot create PDF document!"
    SV_ERR_EMPTY_DOCUMENT,    // "PDF document is empty!"
    SV_ERR_NO_DOCUMENT,       // "Cannot find specified PDF document!"
    SV_ERR_LOAD_PAGE,         // "Error loading page!"
    SV_ERR_PAGE_RANGE,        // "Page number is out of range!"
    SV_ERR_BRUSH_REFERENCES,  // "Cannot close PDF while there are brush references to it!"
    SV_ERR_HANDLE_EXPECTED,   // "Handle expected in argument %d!"
    SV_ERR_HPDF_HANDLE,       // "HPDF handle expected in argument %d!"
    SV_ERR_HPDF_HANDLE_TYPE,  // "Unexpected HPDF handle type in argument %d!"
    SV_ERR_DASH_TABLE,        // "Dash table must have 0 to 8 elements!"
    SV_ERR_LIBRARY_TEXT,      // "%s"
    SV_ERR_BRUSH_DATA,        // "Error obtaining graphics data from brush!"
    SV_ERR_NO_PAGE,           // "Cannot find specified PDF page!"
    SV_ERR_NO_TEXT,           // "You need to load the page's text first!"
    SV_ERR_CHAR_RANGE,        // "Specified character is out of range!"
    SV_ERR_FIND_START,        // "Error starting find!"
    SV_ERR_FIND_NOT_STARTED,  // "Find hasn't been initiated yet!"
    SV_ERR_CONVERT_COORDS,    // "Error converting coordinates!"
    SV_ERR_COUNT
};

struct SvPlugin {
    const HostApi *api;     // kept only when the host is new enough
    PluginInfo *info;       // likewise
    char path[1024];        // the plugin file's own path
    int hostVersion;        // the running host's version, as InitPlugin was told
    int hostNew;            // host is 7.1 or later: ten libraries instead of one
    int currentLibrary;     // 0..9
    int utf8;               // UTF-8 mode as last reported by the host (initially 1)
    int documentType;       // host object type id of "PDF document" (initially -1)
    SvDocument *documents;  // open-document list
    int noVectorAnim;       // "novectoranim" option
    int errors[SV_ERR_COUNT];
    int librariesOpen;      // zlib, libpng and libjpeg checked usable
};

extern SvPlugin sv;

// The id to return for one of the plugin's messages.
inline int sv_error(SvError e) { return sv.errors[e]; }

// Shorthands for the host's service tables.
inline const KsScriptServices &sv_script() { return *sv.api->script; }
inline const KsSystemServices &sv_system() { return *sv.api->system; }
inline const KsFileServices &sv_files() { return *sv.api->files; }
inline const KsRuntimeServices &sv_runtime() { return *sv.api->runtime; }

// Sets the error's "%s" argument and returns the error id.
int sv_error_with_string(SvError e, const char *text);
// Sets the error's "%d" argument and returns the error id.
int sv_error_with_number(SvError e, int number);
