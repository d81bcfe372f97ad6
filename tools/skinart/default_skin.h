// The default skin as the program stores it, and everything made from it: the skin file, the
// stored-skin property data of the main form, its contact sheet, and the program's own bitmap
// resources. One call makes all of it, byte for byte the same on every run and every build.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinart/packed_skin.h"
#include "tools/skinart/skin_artwork.h"

namespace skinart {

// The skin folder holds the definition and the 36 bitmaps.
struct DefaultSkinProducts : PackedSkin {
  std::vector<uint8_t> stream;             // stored-skin property data (length + skin file)
  std::string stream_hex;                  // the same as form description text
  std::vector<NamedFile> program_bitmaps;  // skinkitmenu.bmp, track.bmp, trackvert.bmp
};

DefaultSkinProducts MakeDefaultSkin();

// The contact sheet of the default skin, as a PNG file.
std::vector<uint8_t> DefaultSkinSheetPng(const DefaultSkinProducts& products);

// Where the products live in the repository, relative to its root.
inline constexpr const char* kStreamPath = "app/res/default_skin.stream";
inline constexpr const char* kStreamHexPath = "app/res/default_skin.stream.txt";
inline constexpr const char* kProgramBitmapFolder = "app/res";
inline constexpr const char* kSheetPath = "docs/default-skin-sheet.png";

}  // namespace skinart
