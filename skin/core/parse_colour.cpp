#include "skin/core/parse_colour.h"

namespace skin {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

int32_t ParseColour(std::string_view text, int32_t fallback) {
  text = Trimmed(text);
  if (text.empty()) return fallback;
  uint32_t components[3] = {0, 0, 0};
  int stored = 0;
  uint32_t pending = 0;  // modulo 2^32, which keeps it exact modulo 256
  bool has_pending = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      pending = pending * 10 + static_cast<uint32_t>(c - '0');
      has_pending = true;
    } else if (has_pending) {
      if (stored < 3) components[stored++] = pending;
      pending = 0;
      has_pending = false;
    }
  }
  if (has_pending && stored == 2) components[stored++] = pending;
  return static_cast<int32_t>((components[0] & 0xFF) | ((components[1] & 0xFF) << 8) | ((components[2] & 0xFF) << 16));
}

}  // namespace skin
