// Class names of windows as the skin engine compares them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

// The window's class name (empty for no window).
[[nodiscard]] std::string WindowClassName(HWND window);
// ASCII letters in lower case; other bytes (DBCS lead and trail bytes) unchanged.
[[nodiscard]] std::string LowerCaseAscii(std::string_view text);

}  // namespace skin
