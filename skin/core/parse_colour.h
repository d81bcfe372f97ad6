// Colours written in a skin definition as three decimal numbers, red, green and blue, separated
// by anything that is not a digit ("255,0,255", "255 0 255").
#pragma once

#include <cstdint>
#include <string_view>

namespace skin {

// Red + green·256 + blue·65536 of the first three numbers (each taken modulo 256; a third number
// still being read at the end counts only when two were complete before it); `fallback` for a
// text that is empty once blanks are trimmed. A text without numbers gives black.
int32_t ParseColour(std::string_view text, int32_t fallback);

}  // namespace skin
