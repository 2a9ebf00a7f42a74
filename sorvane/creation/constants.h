#pragma once
#include "kestrune.h"

extern const ConstantEntry sv_constants[];
