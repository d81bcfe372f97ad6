#include "skin/resources/int_conversion.h"

namespace skin {
namespace {

int HexDigit(char c) noexcept {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) noexcept {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  const std::string_view rest = text.substr(i);
  size_t marker = 0;
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    marker = 1;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    marker = 2;
  }

  if (marker != 0) {
    const std::string_view digits = rest.substr(marker);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t pattern = 0;
    for (char c : digits) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      pattern = pattern << 4 | static_cast<uint32_t>(digit);
    }
    // The pattern is taken as it is; a sign negates it in 32-bit arithmetic.
    if (negative) pattern = 0u - pattern;
    return static_cast<int32_t>(pattern);
  }

  if (rest.empty()) return std::nullopt;
  const int64_t limit = negative ? int64_t{2147483648} : int64_t{2147483647};
  int64_t value = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace skin
