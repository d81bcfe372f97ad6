// The "midnight" skin as the repository keeps it: a skin file in the folder of skins that the
// program can load at run time, and its contact sheet.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skinart/packed_skin.h"

namespace skinart {

PackedSkin MakeMidnightSkin();

// The contact sheet, as a PNG file.
std::vector<uint8_t> MidnightSheetPng(const PackedSkin& skin);

// Where they live in the repository, relative to its root.
inline constexpr const char* kMidnightSkinPath = "skins/midnight.skin";
inline constexpr const char* kMidnightSheetPath = "docs/midnight-skin-sheet.png";

}  // namespace skinart
