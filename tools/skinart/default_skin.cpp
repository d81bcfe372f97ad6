#include "tools/skinart/default_skin.h"

#include <stdexcept>

#include "tools/skinimage/png_file.h"
#include "tools/skinpack/contact_sheet.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/skin_contents.h"

namespace skinart {

DefaultSkinProducts MakeDefaultSkin() {
  DefaultSkinProducts products;
  products.skin_folder = SkyBlueSkinFiles();
  std::vector<skinpack::ArchiveEntry> entries;
  for (const NamedFile& file : products.skin_folder) entries.push_back({file.name, file.bytes});
  // The folder already lists the definition first and the bitmaps in the order it names them.
  entries = skinpack::OrderForArchive(std::move(entries), 0);
  std::string error;
  std::optional<std::vector<uint8_t>> archive = skinpack::BuildArchive(entries, error);
  if (!archive) throw std::runtime_error("default skin: " + error);
  products.archive = std::move(*archive);
  products.skin_file = skinpack::EncodeSkinFile(products.archive);
  products.stream = skinpack::WrapSkinStream(products.skin_file);
  products.stream_hex = skinpack::HexPropertyText(products.stream);
  products.program_bitmaps = ProgramBitmapFiles();
  return products;
}

std::vector<uint8_t> DefaultSkinSheetPng(const DefaultSkinProducts& products) {
  std::string error;
  const std::optional<skinpack::DecodedSkin> skin = skinpack::DecodeSkin(products.skin_file, error);
  if (!skin) throw std::runtime_error("default skin does not decode: " + error);
  return skinimage::EncodePng(skinpack::RenderContactSheet(*skin, "sky blue - the default skin"));
}

}  // namespace skinart
