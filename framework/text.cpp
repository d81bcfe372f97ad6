#include "framework/text.h"

#include <windows.h>

#include <climits>

namespace fw {

namespace {
int ClampLength(size_t size) { return size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size); }
}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  int length = ClampLength(utf8.size());
  int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
  return wide;
}

std::string WideToAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  int length = ClampLength(wide.size());
  int needed = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), needed, nullptr, nullptr);
  return ansi;
}

std::wstring AnsiToWideText(std::string_view ansi) {
  if (ansi.empty()) return {};
  int length = ClampLength(ansi.size());
  int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), needed);
  return wide;
}

std::string Ansi(std::string_view utf8) { return WideToAnsi(Utf8ToWide(utf8)); }

}  // namespace fw
