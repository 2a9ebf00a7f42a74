// The plugin's error messages, registered with the host in this order at start.
#include "plugin.h"

namespace {

struct ErrorRow {
    SvError id;
    const char *text;
};

const ErrorRow kErrorMessages[] = {
    {SV_ERR_OPEN_DOCUMENT, "Error opening PDF document %s"},
    {SV_ERR_CREATE_DOCUMENT, "Cannot create PDF document!"},
    {SV_ERR_EMPTY_DOCUMENT, "PDF document is empty!"},
    {SV_ERR_NO_DOCUMENT, "Cannot find specified PDF document!"},
    {SV_ERR_LOAD_PAGE, "Error loading page!"},
    {SV_ERR_PAGE_RANGE, "Page number is out of range!"},
    {SV_ERR_BRUSH_REFERENCES, "Cannot close PDF while there are brush references to it!"},
    {SV_ERR_HANDLE_EXPECTED, "Handle expected in argument %d!"},
    {SV_ERR_HPDF_HANDLE, "HPDF handle expected in argument %d!"},
    {SV_ERR_HPDF_HANDLE_TYPE, "Unexpected HPDF handle type in argument %d!"},
    {SV_ERR_DASH_TABLE, "Dash table must have 0 to 8 elements!"},
    {SV_ERR_LIBRARY_TEXT, "%s"},
    {SV_ERR_BRUSH_DATA, "Error obtaining graphics data from brush!"},
    {SV_ERR_NO_PAGE, "Cannot find specified PDF page!"},
    {SV_ERR_NO_TEXT, "You need to load the page's text first!"},
    {SV_ERR_CHAR_RANGE, "Specified character is out of range!"},
    {SV_ERR_FIND_START, "Error starting find!"},
    {SV_ERR_FIND_NOT_STARTED, "Find hasn't been initiated yet!"},
    {SV_ERR_CONVERT_COORDS, "Error converting coordinates!"},
};

} // namespace

void sv_register_errors()
{
    for (const ErrorRow &row : kErrorMessages) sv.errors[row.id] = sv_system().registerError(row.text);
}

int sv_error_with_string(SvError e, const char *text)
{
    sv_system().setErrorString(text);
    return sv_error(e);
}

int sv_error_with_number(SvError e, int number)
{
    sv_system().setErrorNumber(number);
    return sv_error(e);
}
