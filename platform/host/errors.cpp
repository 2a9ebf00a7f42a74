// Error messages: custom texts registered by plugins, the host's own codes,
// the pending "%s"/"%d" arguments, and raising an error on the script.
#include "host.h"

extern "C" {
#include <lauxlib.h>
}

#include <cstdio>

namespace host {
namespace {

struct HostCode {
    int code;
    const char *text;
};

// The host's own error texts; "%s" takes the pending string argument.
const HostCode kHostCodes[] = {
    {KS_ERR_MEMORY, "Out of memory!"},
    {KS_ERR_BREAK, "User break!"},
    {KS_ERR_OPEN_FILE, "Cannot open file \"%s\"!"},
    {KS_ERR_WRITE_FILE, "Cannot write file \"%s\"!"},
    {KS_ERR_USAGE, "Wrong usage or parameters for this command!"},
    {KS_ERR_UNKNOWN_ATTR, "Unknown attribute!"},
    {KS_ERR_OPEN_LIBRARY, "Cannot open a system library!"},
    {KS_ERR_TABLE_FIELD, "Table field \"%s\" is missing or has the wrong type!"},
    {KS_ERR_TOO_MANY_ARGS, "Too many arguments!"},
    {KS_ERR_STRING_FIELD, "String expected in table field!"},
    {KS_ERR_UNKNOWN_OPTION, "Unknown option \"%s\""},
    {KS_ERR_FONT_NOT_FOUND, "Font \"%s\" not found!"},
    {0, nullptr},
};

std::vector<std::string> g_custom; // index = id - KS_CUSTOM_ERROR_BASE
std::string g_argString;
int g_argNumber = 0;
int g_lastCode = 0;

// Fills "%s" and "%d" from the pending arguments; other text is copied as it is.
std::string fill(const char *text)
{
    std::string out;
    for (const char *p = text; *p; p++) {
        if (p[0] == '%' && p[1] == 's') {
            out += g_argString;
            p++;
        } else if (p[0] == '%' && p[1] == 'd') {
            out += std::to_string(g_argNumber);
            p++;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace

int register_error(const char *text)
{
    g_custom.emplace_back(text ? text : "");
    return KS_CUSTOM_ERROR_BASE + int(g_custom.size()) - 1;
}

void set_error_string(const char *text) { g_argString = text ? text : ""; }
void set_error_number(int number) { g_argNumber = number; }
int last_error_code() { return g_lastCode; }

std::string error_message(int code)
{
    std::string msg;
    if (code >= KS_CUSTOM_ERROR_BASE && size_t(code - KS_CUSTOM_ERROR_BASE) < g_custom.size()) {
        msg = fill(g_custom[code - KS_CUSTOM_ERROR_BASE].c_str());
    } else {
        const char *text = nullptr;
        for (const HostCode *h = kHostCodes; h->text; h++)
            if (h->code == code) text = h->text;
        msg = text ? fill(text) : "Unknown error";
        msg += " (error " + std::to_string(code) + ")";
    }
    g_argString.clear();
    g_argNumber = 0;
    return msg;
}

void raise_error(lua_State *L, int code)
{
    g_lastCode = code;
    {
        // The message must be destroyed before lua_error jumps away.
        std::string msg = error_message(code);
        lua_pushlstring(L, msg.data(), msg.size());
    }
    lua_error(L);
    for (;;) {}
}

int finish_command(lua_State *L, int result)
{
    if (result >= 0 && result <= KS_MAX_RESULTS) return result;
    raise_error(L, result);
}

} // namespace host
