// The "sky blue" skin: every bitmap of the default skin drawn from code, and its definition text.
#pragma once

#include <string>
#include <vector>

#include "tools/skinart/skin_folder.h"

namespace skinart {

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
