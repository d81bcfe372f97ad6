// What the portable skin code needs from the platform, as hooks the program binds at start (see
// platform_win32.h) and tests replace: showing a message with one OK button, and comparing texts
// without regard to case under the user's locale. Used on the GUI thread only.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace skin {

using MessageDialogHook = std::function<void(const std::string& text)>;
using TextEqualIgnoreCaseHook = std::function<bool(std::string_view a, std::string_view b)>;

// Each setter returns the hook it replaces; an empty hook restores the default. By default a
// message goes to the standard error stream and texts compare with ASCII letter case ignored.
MessageDialogHook SetMessageDialogHook(MessageDialogHook hook);
TextEqualIgnoreCaseHook SetTextEqualIgnoreCaseHook(TextEqualIgnoreCaseHook hook);

void ShowMessageDialog(const std::string& text);
bool LocaleTextEqualIgnoreCase(std::string_view a, std::string_view b);

}  // namespace skin
