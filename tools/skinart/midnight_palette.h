// Colours of the "midnight" skin: slate-navy faces, light text and an indigo accent. The first
// group is the skin's colour table (written into the definition's Colours section); the bitmaps
// are drawn from the same colours, so that the engine's own fills and texts match the artwork.
#pragma once

#include "tools/skinimage/image.h"

namespace skinart::midnight {

using skinimage::MakeRgb;
using skinimage::Rgb;

// The Colours section, in the order it is written.
inline constexpr Rgb kWindowText = MakeRgb(222, 226, 238);
inline constexpr Rgb kTitleTextActive = MakeRgb(238, 241, 250);
inline constexpr Rgb kTitleTextNoActive = MakeRgb(134, 142, 164);
inline constexpr Rgb kButtonFace = MakeRgb(37, 41, 56);
inline constexpr Rgb kButtonText = MakeRgb(226, 230, 242);
inline constexpr Rgb kButtonHilight = MakeRgb(86, 94, 124);
inline constexpr Rgb kButtonlight = MakeRgb(62, 68, 90);
inline constexpr Rgb kButtonShadow = MakeRgb(22, 25, 35);
inline constexpr Rgb kButtonDkShadow = MakeRgb(10, 11, 17);
inline constexpr Rgb kHilight = MakeRgb(76, 96, 200);
inline constexpr Rgb kHilightText = MakeRgb(255, 255, 255);
inline constexpr Rgb kMenubar = MakeRgb(30, 33, 46);
inline constexpr Rgb kMenuBarText = MakeRgb(214, 220, 236);
inline constexpr Rgb kMenuText = MakeRgb(220, 224, 236);
inline constexpr Rgb kMenu = MakeRgb(44, 48, 65);
inline constexpr Rgb kScrollbar = MakeRgb(30, 33, 46);

// Texts on push buttons by state (the Buttons section's second colours).
inline constexpr Rgb kButtonTextHot = MakeRgb(255, 255, 255);
inline constexpr Rgb kButtonTextPressed = MakeRgb(196, 204, 230);

// Borders of controls by state.
inline constexpr Rgb kBorderNormal = MakeRgb(80, 88, 116);
inline constexpr Rgb kBorderHot = MakeRgb(110, 130, 232);
inline constexpr Rgb kBorderPressed = MakeRgb(66, 84, 186);
inline constexpr Rgb kBorderDisabled = MakeRgb(54, 58, 72);
inline constexpr Rgb kBorderInactive = MakeRgb(62, 66, 80);

// Glyphs (arrows, checks, caption symbols) by state.
inline constexpr Rgb kGlyphNormal = MakeRgb(206, 212, 230);
inline constexpr Rgb kGlyphHot = MakeRgb(255, 255, 255);
inline constexpr Rgb kGlyphPressed = MakeRgb(176, 186, 218);
inline constexpr Rgb kGlyphDisabled = MakeRgb(88, 94, 112);
inline constexpr Rgb kGlyphInactive = MakeRgb(124, 130, 148);

// The indigo accent: hot and pressed fills, progress, selected tabs and items, focus.
inline constexpr Rgb kAccentLight = MakeRgb(142, 160, 250);
inline constexpr Rgb kAccent = MakeRgb(92, 114, 226);
inline constexpr Rgb kAccentDark = MakeRgb(58, 74, 170);

// The close button's warning red.
inline constexpr Rgb kCloseLight = MakeRgb(240, 112, 118);
inline constexpr Rgb kClose = MakeRgb(206, 58, 68);
inline constexpr Rgb kCloseDark = MakeRgb(146, 34, 44);

// Scroll tracks and sunken troughs.
inline constexpr Rgb kTrackEdge = MakeRgb(26, 29, 40);
inline constexpr Rgb kTrackTop = MakeRgb(31, 34, 47);
inline constexpr Rgb kTrackBottom = MakeRgb(38, 42, 57);

}  // namespace skinart::midnight
