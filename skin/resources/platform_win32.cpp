#include "skin/resources/platform_win32.h"

#include <windows.h>

#include <string>

#include "skin/resources/platform_hooks.h"

namespace skin {
namespace {

// The caption of the program's message boxes: its executable's name without the extension.
std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string title(path, length < MAX_PATH ? length : 0);
  const size_t slash = title.find_last_of("\\/");
  if (slash != std::string::npos) title.erase(0, slash + 1);
  const size_t dot = title.rfind('.');
  if (dot != std::string::npos && dot != 0) title.erase(dot);
  return title;
}

void ShowMessageBox(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), ProgramTitle().c_str(), MB_OK);
}

bool CompareUnderUserLocale(std::string_view a, std::string_view b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

void BindSkinResourcesToWindows() {
  SetMessageDialogHook(ShowMessageBox);
  SetTextEqualIgnoreCaseHook(CompareUnderUserLocale);
}

}  // namespace skin
