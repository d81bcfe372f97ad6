#include "tools/skinart/default_skin.h"

#include "tools/skinpack/skin_archive.h"

namespace skinart {

DefaultSkinProducts MakeDefaultSkin() {
  DefaultSkinProducts products{PackSkinFolder(SkyBlueSkinFiles(), "default skin")};
  products.stream = skinpack::WrapSkinStream(products.skin_file);
  products.stream_hex = skinpack::HexPropertyText(products.stream);
  products.program_bitmaps = ProgramBitmapFiles();
  return products;
}

std::vector<uint8_t> DefaultSkinSheetPng(const DefaultSkinProducts& products) {
  return ContactSheetPng(products, "sky blue - the default skin");
}

}  // namespace skinart
