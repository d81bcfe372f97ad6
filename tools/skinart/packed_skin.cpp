#include "tools/skinart/packed_skin.h"

#include <stdexcept>

#include "tools/skinimage/png_file.h"
#include "tools/skinpack/contact_sheet.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/skin_contents.h"

namespace skinart {

PackedSkin PackSkinFolder(std::vector<NamedFile> skin_folder, const std::string& what) {
  PackedSkin packed;
  packed.skin_folder = std::move(skin_folder);
  std::vector<skinpack::ArchiveEntry> entries;
  for (const NamedFile& file : packed.skin_folder) entries.push_back({file.name, file.bytes});
  entries = skinpack::OrderForArchive(std::move(entries), 0);
  std::string error;
  std::optional<std::vector<uint8_t>> archive = skinpack::BuildArchive(entries, error);
  if (!archive) throw std::runtime_error(what + ": " + error);
  packed.archive = std::move(*archive);
  packed.skin_file = skinpack::EncodeSkinFile(packed.archive);
  return packed;
}

std::vector<uint8_t> ContactSheetPng(const PackedSkin& skin, const std::string& title) {
  std::string error;
  const std::optional<skinpack::DecodedSkin> decoded = skinpack::DecodeSkin(skin.skin_file, error);
  if (!decoded) throw std::runtime_error(title + " does not decode: " + error);
  return skinimage::EncodePng(skinpack::RenderContactSheet(*decoded, title));
}

}  // namespace skinart
