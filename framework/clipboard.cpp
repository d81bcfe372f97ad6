#include "framework/clipboard.h"

#include <cstring>

#include "framework/application.h"

namespace fw {

class TClipboard::OpenScope {
 public:
  OpenScope() {
    HWND owner = Application ? Application->Handle() : nullptr;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(kOpenRetryDelayMs);
    }
    throw EClipboardException("Cannot open clipboard");
  }
  OpenScope(const OpenScope&) = delete;
  OpenScope& operator=(const OpenScope&) = delete;
  ~OpenScope() { CloseClipboard(); }
};

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format) != FALSE; }

std::string TClipboard::AsText() const {
  OpenScope open;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!text) return {};
  SIZE_T size = GlobalSize(data);
  const void* end = std::memchr(text, '\0', size);
  std::string result(text, end ? static_cast<const char*>(end) - text : size);
  GlobalUnlock(data);
  return result;
}

void TClipboard::SetAsText(const std::string& text) {
  OpenScope open;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) throw EClipboardException("Out of memory while setting clipboard text");
  char* target = static_cast<char*>(GlobalLock(memory));
  std::memcpy(target, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_TEXT, memory)) {
    GlobalFree(memory);
    throw EClipboardException("Cannot set clipboard text");
  }
}

}  // namespace fw
