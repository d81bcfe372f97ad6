// The system clipboard as text.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace fw {

class EClipboardException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TClipboard {
 public:
  // Opening is tried a few times over about 100 ms: other programs hold the clipboard open
  // briefly all the time. After that, "Cannot open clipboard" is raised.
  static constexpr int kOpenAttempts = 10;
  static constexpr DWORD kOpenRetryDelayMs = 10;

  [[nodiscard]] bool HasFormat(UINT format) const;
  // The CF_TEXT contents (empty when there are none), up to its first NUL and never beyond the
  // clipboard's memory block.
  [[nodiscard]] std::string AsText() const;
  // Replaces the clipboard contents with a text.
  void SetAsText(const std::string& text);

 private:
  class OpenScope;
};

// The process's clipboard object.
TClipboard& Clipboard();

}  // namespace fw
