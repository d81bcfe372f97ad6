// A skin drawn from code, packed the way skinpack packs a folder: the archive and the skin file
// around it, byte for byte the same on every run and every build; and its contact sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinart/skin_folder.h"

namespace skinart {

struct PackedSkin {
  std::vector<NamedFile> skin_folder;  // the definition first, then the bitmaps
  std::vector<uint8_t> archive;        // the expanded archive
  std::vector<uint8_t> skin_file;      // LZHUF-coded archive with its length
};

// Packs a skin folder that lists the definition first and the bitmaps in the order it names
// them. `what` names the skin in the message of the exception thrown when it cannot be packed.
PackedSkin PackSkinFolder(std::vector<NamedFile> skin_folder, const std::string& what);

// The contact sheet of a packed skin, as a PNG file, headed by `title`.
std::vector<uint8_t> ContactSheetPng(const PackedSkin& skin, const std::string& title);

}  // namespace skinart
