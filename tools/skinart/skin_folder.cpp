#include "tools/skinart/skin_folder.h"

#include "tools/skinimage/bmp_file.h"

namespace skinart {

std::string DefinitionText(const std::vector<DefinitionSection>& sections) {
  std::string text;
  for (const auto& [name, keys] : sections) {
    text += "[" + name + "]\r\n";
    for (const std::string& key : keys) text += key + "\r\n";
    text += "\r\n";
  }
  return text;
}

std::string ColourText(skinimage::Rgb colour) {
  return std::to_string(skinimage::RedOf(colour)) + " " + std::to_string(skinimage::GreenOf(colour)) + " " +
         std::to_string(skinimage::BlueOf(colour));
}

std::vector<NamedFile> SkinFolderFiles(const std::string& definition_name, const std::string& definition,
                                       const std::vector<SkinBitmap>& bitmaps) {
  std::vector<NamedFile> files;
  files.push_back({definition_name, std::vector<uint8_t>(definition.begin(), definition.end())});
  for (const SkinBitmap& bitmap : bitmaps)
    files.push_back(
        {bitmap.name, skinimage::EncodeBmp(bitmap.image, {bitmap.bits_per_pixel, bitmap.hint_palette_entries})});
  return files;
}

}  // namespace skinart
