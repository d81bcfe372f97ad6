// The text routines of the skin painters: reading a window's caption and drawing text, with the
// wide-character calls on the NT family and the ANSI calls (system code page) elsewhere.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace skin {

// The window's text. On the NT family all of it; elsewhere at most its first 1000 characters,
// read with WM_GETTEXT as ANSI text. Empty for something that is not a window.
[[nodiscard]] std::wstring GetWindowCaption(HWND window);

// ANSI text of the system code page as wide text.
[[nodiscard]] std::wstring AnsiToWide(std::string_view text);

// DrawText of the text into the rectangle with the format flags: DrawTextW on the NT family,
// DrawTextA of the text converted to the system code page elsewhere. DT_CALCRECT updates the
// rectangle. Returns what the call returns (the text's height, 0 on failure).
int DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format);

}  // namespace skin
