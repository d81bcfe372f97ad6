// Conversions between the program's 8-bit texts (the system ANSI code page), UTF-16 and UTF-8
// (the encoding of source files and of the stored form description).
#pragma once

#include <string>
#include <string_view>

namespace fw {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToAnsi(std::wstring_view wide);
std::wstring AnsiToWideText(std::string_view ansi);
// A UTF-8 text in the system code page: how the program's own (UTF-8) literals become ANSI texts.
std::string Ansi(std::string_view utf8);

}  // namespace fw
