// File names on Windows are UTF-16; entry names are converted with code page 936 and command-line
// arguments with the ANSI code page.
#include <windows.h>

#include "tools/skinpack/host_files.h"

namespace skinpack {
namespace {

constexpr UINT kSkinCodePage = 936;

std::optional<std::wstring> Widen(UINT code_page, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::optional<std::string> Narrow(UINT code_page, const std::wstring& text) {
  if (text.empty()) return std::string();
  BOOL lossy = FALSE;
  const int length =
      WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace

std::filesystem::path PathFromArgument(const std::string& argument) {
  const std::optional<std::wstring> wide = Widen(CP_ACP, argument);
  return wide ? std::filesystem::path(*wide) : std::filesystem::path(argument);
}

std::string DisplayPath(const std::filesystem::path& path) {
  if (std::optional<std::string> narrow = Narrow(CP_ACP, path.wstring())) return *narrow;
  return "(a path the code page cannot show)";
}

std::optional<std::string> EntryNameOf(const std::filesystem::path& file_name) {
  return Narrow(kSkinCodePage, file_name.wstring());
}

std::optional<std::filesystem::path> FileNameOf(const std::string& entry_name) {
  const std::optional<std::wstring> wide = Widen(kSkinCodePage, entry_name);
  if (!wide) return std::nullopt;
  return std::filesystem::path(*wide);
}

}  // namespace skinpack
