// The pieces every skin drawn from code is made of: its bitmaps before they are written as files,
// its definition text written section by section, and the folder of files that skinpack packs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinimage/image.h"

namespace skinart {

// One file of a skin folder or of the program's resources. `name` is in the skin's 8-bit code
// page (936): some entry names hold Chinese characters.
struct NamedFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// One bitmap of a skin before it is written as a file.
struct SkinBitmap {
  std::string name;
  skinimage::Image image;
  int bits_per_pixel = 24;
  int hint_palette_entries = 0;
};

// One section of a definition: its name and its "key=value" lines.
struct DefinitionSection {
  std::string name;
  std::vector<std::string> keys;
};

// The definition text: CR LF line ends, an empty line after every section.
std::string DefinitionText(const std::vector<DefinitionSection>& sections);

// A colour as the Colours section writes it: red, green and blue separated by blanks.
std::string ColourText(skinimage::Rgb colour);

// The definition followed by the bitmaps as BMP files: the contents of the skin folder.
std::vector<NamedFile> SkinFolderFiles(const std::string& definition_name, const std::string& definition,
                                       const std::vector<SkinBitmap>& bitmaps);

}  // namespace skinart
