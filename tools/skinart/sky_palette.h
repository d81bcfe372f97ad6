// Colours of the "sky blue" skin. The first group is the skin's own colour table (written into
// the definition's Colours section); everything drawn in the bitmaps is derived from it, so the
// painted controls and the colours the engine uses for text and fills agree.
#pragma once

#include "tools/skinimage/image.h"

namespace skinart::sky {

using skinimage::MakeRgb;
using skinimage::Rgb;

// The Colours section, in the order it is written.
inline constexpr Rgb kButtonFace = MakeRgb(227, 238, 253);
inline constexpr Rgb kTitleTextActive = MakeRgb(122, 133, 169);
inline constexpr Rgb kTitleTextNoActive = MakeRgb(250, 250, 255);
inline constexpr Rgb kButtonHilight = MakeRgb(255, 255, 255);
inline constexpr Rgb kButtonShadow = MakeRgb(168, 204, 234);
inline constexpr Rgb kButtonDkShadow = MakeRgb(64, 131, 185);
inline constexpr Rgb kButtonlight = MakeRgb(209, 228, 243);
inline constexpr Rgb kMenubar = MakeRgb(227, 238, 253);
inline constexpr Rgb kMenu = MakeRgb(240, 245, 251);
inline constexpr Rgb kMenuText = MakeRgb(0, 0, 0);
inline constexpr Rgb kMenuBarText = MakeRgb(69, 95, 133);
inline constexpr Rgb kHilight = MakeRgb(158, 177, 205);
inline constexpr Rgb kHilightText = MakeRgb(255, 255, 255);

// Borders of controls by state.
inline constexpr Rgb kBorderNormal = MakeRgb(122, 166, 214);
inline constexpr Rgb kBorderHot = MakeRgb(74, 144, 217);
inline constexpr Rgb kBorderPressed = MakeRgb(48, 104, 166);
inline constexpr Rgb kBorderDisabled = MakeRgb(190, 200, 212);
inline constexpr Rgb kBorderInactive = MakeRgb(150, 164, 186);

// Glyphs (arrows, checks, caption symbols) by state.
inline constexpr Rgb kGlyphNormal = MakeRgb(52, 92, 150);
inline constexpr Rgb kGlyphHot = MakeRgb(28, 72, 140);
inline constexpr Rgb kGlyphPressed = MakeRgb(18, 52, 108);
inline constexpr Rgb kGlyphDisabled = MakeRgb(168, 178, 194);
inline constexpr Rgb kGlyphInactive = MakeRgb(112, 126, 150);

// The sky accent: progress chunks, selected tabs, focus.
inline constexpr Rgb kAccentLight = MakeRgb(150, 202, 246);
inline constexpr Rgb kAccent = MakeRgb(86, 160, 230);
inline constexpr Rgb kAccentDark = MakeRgb(52, 118, 190);

// The close button's warning red.
inline constexpr Rgb kCloseLight = MakeRgb(248, 150, 140);
inline constexpr Rgb kClose = MakeRgb(222, 72, 60);
inline constexpr Rgb kCloseDark = MakeRgb(160, 40, 36);

// Scroll tracks and sunken fields.
inline constexpr Rgb kTrackEdge = MakeRgb(208, 224, 242);
inline constexpr Rgb kTrackTop = MakeRgb(230, 239, 251);
inline constexpr Rgb kTrackBottom = MakeRgb(243, 247, 253);

}  // namespace skinart::sky
