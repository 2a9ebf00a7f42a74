// The widget layer: include this for everything.
#pragma once

#include "toolkit/attributes.h"
#include "toolkit/base.h"
#include "toolkit/faults.h"
#include "toolkit/find.h"
#include "toolkit/input.h"
#include "toolkit/methods.h"
#include "toolkit/notify.h"
#include "toolkit/object.h"
#include "toolkit/requester.h"
#include "toolkit/taglist.h"
#include "toolkit/versions.h"
#include "toolkit/world.h"
