#include "skin/paint/skin_text.h"

#include <climits>
#include <vector>

#include "skin/paint/platform_family.h"

namespace skin {
namespace {

// The longest caption read on systems outside the NT family, in bytes of ANSI text.
constexpr int kAnsiCaptionLimit = 1000;

// Room that DT_MODIFYSTRING may append ("...") behind the text.
constexpr std::size_t kModifyRoom = 4;

std::string WideToAnsi(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (chars <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), chars);
  return wide;
}

std::wstring GetWindowCaption(HWND window) {
  if (!::IsWindow(window)) return {};
  if (IsWindowsNT()) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, caption.data(), length + 1);
    caption.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return caption;
  }
  char buffer[kAnsiCaptionLimit + 1] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  buffer[kAnsiCaptionLimit] = '\0';
  // A cut through a double-byte character would leave its first half at the end: drop it.
  std::size_t length = 0;
  for (std::size_t i = 0; buffer[i] != '\0';) {
    const std::size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(buffer[i])) ? 2 : 1;
    if (step == 2 && buffer[i + 1] == '\0') break;
    i += step;
    length = i;
  }
  return AnsiToWide(std::string_view(buffer, length));
}

int DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  if (IsWindowsNT()) {
    if (text.size() > INT_MAX - kModifyRoom) return 0;
    std::vector<wchar_t> buffer(text.begin(), text.end());
    buffer.resize(text.size() + kModifyRoom, L'\0');
    return ::DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rect, format);
  }
  std::string ansi = WideToAnsi(text);
  ansi.append(kModifyRoom, '\0');
  return ::DrawTextA(dc, ansi.data(), -1, &rect, format);
}

}  // namespace skin
