#include "kestrune.h"

#include <string.h>

KsEntry ks_find_entry(const KsEntryRow *table, const char *name)
{
    if (!name) return 0;
    for (; table->name; table++)
        if (strcmp(table->name, name) == 0) return table->function;
    return 0;
}
