// The skin engine's private window messages for the test helpers, from wherever the engine keeps
// their header (skin/core, or skin/form in older trees).
#pragma once

#if __has_include("skin/core/skin_messages.h")
#include "skin/core/skin_messages.h"
#else
#include "skin/form/skin_messages.h"
#endif
