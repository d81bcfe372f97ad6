// The "sky blue" skin: every bitmap of the default skin drawn from code, and its definition text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinimage/image.h"

namespace skinart {

// One file of a skin folder or of the program's resources. `name` is in the skin's 8-bit code
// page (936): the header image's name holds Chinese characters.
struct NamedFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// One bitmap of the skin before it is written as a file.
struct SkinBitmap {
  std::string name;
  skinimage::Image image;
  int bits_per_pixel = 24;
  int hint_palette_entries = 0;
};

// The skin's display name (code page 936) and author, as the definition gives them.
extern const char* const kSkinDisplayName;
extern const char* const kSkinAuthor;
// Name of the definition entry.
extern const char* const kDefinitionName;

// The 36 bitmaps in the order the definition first names them.
std::vector<SkinBitmap> SkyBlueBitmaps();

// The definition text: code page 936, CR LF line ends, an empty line after every section.
std::string SkyBlueDefinition();

// The definition followed by the bitmaps as BMP files: the contents of the skin folder.
std::vector<NamedFile> SkyBlueSkinFiles();

// The program's own bitmap resources: "SKINKITMENU" (64 × 16, monochrome), "TRACK" (16 × 4) and
// "TRACKVERT" (4 × 16), as files skinkitmenu.bmp, track.bmp and trackvert.bmp.
std::vector<NamedFile> ProgramBitmapFiles();

}  // namespace skinart
