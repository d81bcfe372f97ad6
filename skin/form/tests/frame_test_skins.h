// Skins for the frame tests: the skins the program ships, read as the program reads them, and small
// frame skins of solid colours built here, whose every pixel a test can predict.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "skin/core/tests/test_skins.h"
#include "tools/skinimage/image.h"

namespace frametest {

using Bytes = std::vector<uint8_t>;

// ---- The program's skins ------------------------------------------------------------------------

struct ShippedSkin {
  const char* name;
  // The stored-skin property data (4-byte length + skin file).
  Bytes (*stored)();
};
inline void PrintTo(const ShippedSkin& skin, std::ostream* out) { *out << skin.name; }
// Every skin of the program; the pixel tests run over all of them.
const std::vector<ShippedSkin>& ShippedSkins();
// The default skin, as the main form's description stores it.
Bytes DefaultSkin();
// The dark skin of skins/midnight.skin.
Bytes MidnightSkin();

// ---- Solid-colour frame skins -------------------------------------------------------------------

// The colours of the solid frame skin, per frame (active, then inactive), as 0x00RRGGBB.
struct FrameColours {
  skinimage::Rgb active;
  skinimage::Rgb inactive;
};
inline constexpr FrameColours kLeftColours{0x2040A0, 0x808080};
inline constexpr FrameColours kRightColours{0x20A040, 0x909090};
inline constexpr FrameColours kTopColours{0x3060C0, 0xA0A0A0};
inline constexpr FrameColours kBottomColours{0x104080, 0x707070};
inline constexpr skinimage::Rgb kFaceColour = 0xE0D8D0;
inline constexpr skinimage::Rgb kTitleActiveColour = 0xFFFFFF;
inline constexpr skinimage::Rgb kTitleInactiveColour = 0x101010;

// One caption button of the solid frame skin; its image has four frames of `width` × `height`
// (normal, pressed, hot, inactive) in the colours of `colours`.
struct ButtonSpec {
  int action = 0;
  int align = 1;
  int x = 30;
  int y = 2;
  int visibility = 0;
  int visibility1 = 0;
  int width = 21;
  int height = 20;
  bool image = true;
  skinimage::Rgb colours[4] = {0xC00000, 0x600000, 0xFF4040, 0x400000};
};

// The default buttons: close, maximize, restore and minimize at the right, in the sky blue skin's
// places (Xcoord 25, 49, 49, 73), each with its own colours.
std::vector<ButtonSpec> StandardButtons();

struct FrameSkinSpec {
  // The border images: left and right `side` wide, top `top` high (two frames stacked), bottom
  // `bottom` high; none of them when `borders` is false.
  bool borders = true;
  int side = 4;
  int top = 24;
  int bottom = 4;
  // The images are this long along the edge.
  int length = 40;
  // Trans=1 on every border, with the outermost corner pixel of each piece in magenta.
  bool transparent = false;
  // The Title record's settings; `title` false leaves them out of the definition.
  bool title = true;
  int textShift = 8;
  int textRightClip = 30;
  int textAlignment = 0;
  std::vector<ButtonSpec> buttons = StandardButtons();
};

// The stored-skin property data of a solid frame skin.
Bytes SolidFrameSkin(const FrameSkinSpec& recipe = {});

}  // namespace frametest
