// A 5 × 7 pixel font for labels on generated pictures (contact sheets): printable ASCII, drawn
// on a 6 × 9 cell. Bytes above ASCII (names in a double-byte code page) draw as hollow boxes, one
// per character.
#pragma once

#include <string_view>

#include "tools/skinimage/image.h"

namespace skinimage {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kCellWidth = 6;
inline constexpr int kCellHeight = 9;

// Width in pixels of `text` at `scale`.
int TextWidth(std::string_view text, int scale = 1);

// Draws `text` with its top-left cell corner at (x, y); returns the x after the last cell.
int DrawText(Image& image, int x, int y, std::string_view text, Rgb colour, int scale = 1);

}  // namespace skinimage
