#include "tools/skinart/midnight_skin.h"

#include "tools/skinart/midnight_artwork.h"

namespace skinart {

PackedSkin MakeMidnightSkin() { return PackSkinFolder(MidnightSkinFiles(), "midnight skin"); }

std::vector<uint8_t> MidnightSheetPng(const PackedSkin& skin) {
  return ContactSheetPng(skin, "midnight - a dark skin");
}

}  // namespace skinart
