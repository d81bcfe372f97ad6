// Readable names of window messages for test reports: the system's WM_* messages, the framework's
// CM_* and CN_* messages and the skin engine's private SKM_* messages.
#pragma once

#include <windows.h>

#include <string>

namespace testutil {

// "WM_NCACTIVATE", "SKM_PAINTFRAMETO", "WM_USER+0x12", "registered 'name' (0xC0A1)" or the number
// in hex for a message this table does not know.
std::string MessageName(UINT message);

}  // namespace testutil
