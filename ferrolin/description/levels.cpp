// The parser's level stack.
#include "levels.h"

FlLevel fl_levels[FL_LEVELS];
int fl_level = 0;
