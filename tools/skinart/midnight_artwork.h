// The "midnight" skin: a dark skin drawn from code beside the default "sky blue". Its window frame
// is thicker and not symmetric, its top corners are cut off and its bottom corners rounded (all
// four border pieces keyed), its caption text is centred on a plate of its own, and its caption
// buttons sit at the left edge, beside the caption text and at the right edge.
#pragma once

#include <string>
#include <vector>

#include "tools/skinart/skin_folder.h"

namespace skinart {

namespace midnight {

// The window frame: border thicknesses (the caption height is the top one).
inline constexpr int kBorderLeft = 5;
inline constexpr int kCaptionHeight = 32;
inline constexpr int kBorderRight = 6;
inline constexpr int kBorderBottom = 7;
// The top corners are cut off at 45 degrees, the bottom ones rounded.
inline constexpr int kTopCornerCut = 9;
inline constexpr int kBottomCornerRadius = 8;

// The plate behind the caption text: its rounded ends, drawn left and right of the text.
inline constexpr int kTextBackLeft = 14;
inline constexpr int kTextBackRight = 14;

// Caption buttons: one frame's size and the button's place.
struct CaptionButtonPlace {
  int width, height;  // one frame
  int align, x, y;    // Align, XCoord, YCoord of the definition
};
inline constexpr CaptionButtonPlace kCloseButton = {34, 20, 1, 40, 6};
inline constexpr CaptionButtonPlace kMaxButton = {26, 20, 1, 68, 6};  // the restore button too
inline constexpr CaptionButtonPlace kMinButton = {26, 20, 1, 96, 6};
inline constexpr CaptionButtonPlace kMenuButton = {20, 18, 0, 10, 7};  // three frames
// The window icon, just left of the caption text; the engine draws it (16 × 16) from the window.
inline constexpr CaptionButtonPlace kIconButton = {16, 16, 2, 4, 8};

}  // namespace midnight

// The skin's display name (午夜, "midnight", in code page 936), author and definition entry.
extern const char* const kMidnightDisplayName;
extern const char* const kMidnightAuthor;
extern const char* const kMidnightDefinitionName;

// The bitmaps in the order the definition first names them.
std::vector<SkinBitmap> MidnightBitmaps();

// The definition text: code page 936, CR LF line ends, an empty line after every section.
std::string MidnightDefinition();

// The definition followed by the bitmaps as BMP files: the contents of the skin folder.
std::vector<NamedFile> MidnightSkinFiles();

}  // namespace skinart
