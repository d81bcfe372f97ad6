// Where a skinned button puts its glyph and caption: pure geometry, apart from the drawing.
#pragma once

#include <windows.h>

#include <string_view>

namespace skin {

// Layout numbers: 0 glyph left, 1 glyph right, 2 glyph top, 3 glyph bottom.
[[nodiscard]] int LayoutFromName(std::string_view name);

struct ButtonLayoutInput {
  SIZE client{};
  SIZE glyph{};  // one glyph frame; (0, 0) for none
  SIZE text{};   // the measured caption; (0, 0) for none
  int layout = 0;
  int margin = -1;       // -1: centre glyph and caption together
  int spacing = -1;      // -1: spread them evenly
  bool centred = false;  // the control's Alignment is centred: margin is computed as for -1
  bool speed = false;    // a speed button: one pixel further in when only the margin is computed
};

struct ButtonLayout {
  POINT glyph{};
  RECT text{};
  UINT flags = 0;  // the caption's DrawText format
};

[[nodiscard]] ButtonLayout LayOutGlyphButton(const ButtonLayoutInput& in);

struct MenuButtonInput {
  SIZE client{};
  SIZE glyph{};
  SIZE text{};
  SIZE arrow{};
  int margin = -1;
  int spacing = -1;
};

struct MenuButtonLayout {
  POINT glyph{};
  RECT text{};
  POINT arrow{};  // the centre of the drop-down arrow
};

// Glyph, caption and arrow left to right.
[[nodiscard]] MenuButtonLayout LayOutMenuButton(const MenuButtonInput& in);

}  // namespace skin
