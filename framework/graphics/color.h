// Colours of the framework: 0x00BBGGRR with red in the low byte; a negative value (0xFF0000nn)
// names system colour nn and is resolved to its current value when it is drawn.
#pragma once

#include <windows.h>

#include <cstdint>

namespace fw {

using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clFuchsia = 0xFF00FF;

// A system colour reference for index COLOR_xxx.
constexpr TColor SystemColor(int index) noexcept {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}

// The plain RGB value of a colour: system colours resolved, everything else passed through.
inline COLORREF ColorToRGB(TColor color) noexcept {
  if (color < 0) return ::GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

}  // namespace fw
