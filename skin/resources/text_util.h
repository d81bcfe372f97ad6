// Small byte-text helpers shared by the skin definition parser and the archive reader. Texts are
// 8-bit in the system code page; only ASCII letters have a case here.
#pragma once

#include <string>
#include <string_view>

namespace skin {

constexpr char AsciiLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiLower(c);
  return result;
}

inline bool AsciiEqualIgnoreCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// Removes every character with a code from 0 to 32 at both ends.
inline std::string_view TrimControls(std::string_view text) noexcept {
  const auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace skin
