// Pushing engine text as script strings.
#include "strings.h"

#include "../frame/plugin.h"
#include "unicode.h"

int sv_push_utf16le(ScriptState *state, const void *units, size_t bytes, size_t capacity, const char *tag)
{
    auto *utf8 = static_cast<char *>(sv_system().allocMem(capacity, 1, tag));
    if (!utf8) return KS_ERR_MEMORY;
    sv_utf16le_to_utf8(units, bytes, utf8, capacity);
    sv_script().pushString(state, utf8);
    sv_system().freeMem(utf8);
    return 0;
}
