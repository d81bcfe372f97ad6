#include "framework/clipboard.h"

#include <algorithm>
#include <cstring>

#include "framework/application.h"

namespace fw {

namespace {

// A memory block of the clipboard, locked while this object lives.
class LockedBlock {
 public:
  explicit LockedBlock(HANDLE data)
      : data_(data), bytes_(data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {}
  ~LockedBlock() {
    if (bytes_) GlobalUnlock(data_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  [[nodiscard]] const char* bytes() const { return bytes_; }
  [[nodiscard]] size_t size() const { return bytes_ ? GlobalSize(data_) : 0; }

 private:
  HANDLE data_;
  const char* bytes_;
};

}  // namespace

TClipboard::Session::Session() {
  HWND owner = Application ? Application->Handle() : nullptr;
  const DWORD start = GetTickCount();
  for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
    if (GetTickCount() - start >= kOpenTimeoutMs) throw EClipboardException("Cannot open clipboard");
    Sleep(attempt < kOpenImmediateAttempts ? 0 : kOpenRetryPauseMs);
  }
}

TClipboard::Session::~Session() { CloseClipboard(); }

std::vector<UINT> TClipboard::Session::Formats() const {
  std::vector<UINT> formats(16);
  UINT count = 0;
  while (!GetUpdatedClipboardFormats(formats.data(), static_cast<UINT>(formats.size()), &count)) {
    if (count <= formats.size()) return {};
    formats.resize(count);
  }
  formats.resize(std::min<size_t>(count, formats.size()));
  return formats;
}

std::string TClipboard::Session::Text() const {
  LockedBlock block(GetClipboardData(CF_TEXT));
  if (!block.bytes()) return {};
  const void* end = std::memchr(block.bytes(), '\0', block.size());
  return std::string(block.bytes(), end ? static_cast<const char*>(end) - block.bytes() : block.size());
}

std::string TClipboard::Session::Bytes(UINT format, size_t limit) const {
  LockedBlock block(GetClipboardData(format));
  if (!block.bytes()) return {};
  return std::string(block.bytes(), std::min(block.size(), limit));
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format) != FALSE; }

std::string TClipboard::AsText() const { return Session().Text(); }

void TClipboard::SetAsText(const std::string& text) {
  Session open;
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
