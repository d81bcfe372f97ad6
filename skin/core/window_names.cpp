#include "skin/core/window_names.h"

namespace skin {

std::string WindowClassName(HWND window) {
  if (!window) return {};
  char name[257] = {};
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::string LowerCaseAscii(std::string_view text) {
  std::string lower(text);
  for (size_t i = 0; i < lower.size(); ++i) {
    char& c = lower[i];
    // A trail byte of a double-byte character may look like a capital letter: skip it.
    if (IsDBCSLeadByte(static_cast<BYTE>(c))) {
      ++i;
      continue;
    }
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace skin
