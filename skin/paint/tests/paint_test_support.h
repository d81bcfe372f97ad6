// Pictures for pixel tests of the skin painters: a bitmap is written as rows of letters, one
// letter per pixel, and read back the same way, so that a failing test prints both pictures.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/paint/platform_family.h"

namespace paint_test {

using Picture = std::vector<std::string>;

// 'M' is the key colour magenta, '#' the background the tests paint over; every other letter or
// digit is a colour of its own.
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLNOPQRSTUVWXYZ0123456789";
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(20, 40, 60);

inline COLORREF ColourOf(char letter) {
  if (letter == 'M') return kMagenta;
  if (letter == '#') return kBackground;
  const auto k = static_cast<int>(kLetters.find(letter));
  if (k < 0) {
    ADD_FAILURE() << "no colour for '" << letter << "'";
    return 0;
  }
  return RGB(3 * k + 70, 250 - 3 * k, (k * 37) % 200);
}

inline char LetterOf(COLORREF colour) {
  if (colour == kMagenta) return 'M';
  if (colour == kBackground) return '#';
  for (char letter : kLetters) {
    if (ColourOf(letter) == colour) return letter;
  }
  return '?';
}

inline fw::TBitmap FromPicture(const Picture& rows, fw::TPixelFormat format = fw::pf24bit) {
  const int height = static_cast<int>(rows.size());
  const int width = height ? static_cast<int>(rows[0].size()) : 0;
  fw::TBitmap bitmap(width, height, format);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, ColourOf(rows[y][x]));
  }
  return bitmap;
}

inline Picture ToPicture(const fw::TBitmap& bitmap) {
  Picture rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) row += LetterOf(bitmap.Pixel(x, y));
    rows.push_back(row);
  }
  return rows;
}

// A picture filled with the background letter.
inline Picture Blank(int width, int height) {
  return Picture(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '#'));
}

// A target of the given size painted with the background colour.
inline fw::TBitmap BlankTarget(int width, int height) { return FromPicture(Blank(width, height)); }

// Both platform families, to run each transparency test through both code paths.
inline constexpr skin::PlatformFamily kFamilies[] = {skin::PlatformFamily::WindowsNT, skin::PlatformFamily::Windows9x};
inline const char* FamilyName(skin::PlatformFamily family) {
  return family == skin::PlatformFamily::WindowsNT ? "NT (MaskBlt)" : "9x (three blits)";
}

}  // namespace paint_test
