// skinart: draws the skins and the program's bitmap resources.
//   skinart skin DIR            the default skin's folder (definition and bitmaps), ready for
//                               skinpack pack
//   skinart midnight DIR        the same of the dark "midnight" skin
//   skinart program-bitmaps DIR skinkitmenu.bmp, track.bmp, trackvert.bmp
//   skinart regenerate ROOT     everything the repository keeps: the main form's stored skin,
//                               its hexadecimal text, the program bitmaps, the midnight skin file
//                               and both contact sheets
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "tools/skinart/default_skin.h"
#include "tools/skinart/midnight_artwork.h"
#include "tools/skinart/midnight_skin.h"
#include "tools/skinpack/host_files.h"

namespace {

namespace fs = std::filesystem;

void WriteFiles(const fs::path& folder, const std::vector<skinart::NamedFile>& files) {
  fs::create_directories(folder);
  for (const skinart::NamedFile& file : files) {
    const std::optional<fs::path> name = skinpack::FileNameOf(file.name);
    if (!name) throw std::runtime_error("cannot name a file \"" + file.name + "\" on this system");
    std::string error;
    if (!skinpack::WriteWholeFile(folder / *name, file.bytes, error)) throw std::runtime_error(error);
  }
}

void WriteBytes(const fs::path& path, std::span<const uint8_t> bytes) {
  fs::create_directories(path.parent_path());
  std::string error;
  if (!skinpack::WriteWholeFile(path, bytes, error)) throw std::runtime_error(error);
}

int Usage() {
  std::cerr << "usage: skinart skin DIR | midnight DIR | program-bitmaps DIR | regenerate ROOT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string command = argv[1];
  const fs::path target = skinpack::PathFromArgument(argv[2]);
  try {
    if (command == "skin") {
      WriteFiles(target, skinart::SkyBlueSkinFiles());
    } else if (command == "midnight") {
      WriteFiles(target, skinart::MidnightSkinFiles());
    } else if (command == "program-bitmaps") {
      WriteFiles(target, skinart::ProgramBitmapFiles());
    } else if (command == "regenerate") {
      if (!fs::is_directory(target / "app")) {
        std::cerr << "skinart: " << skinpack::DisplayPath(target) << " is not the repository root\n";
        return 1;
      }
      const skinart::DefaultSkinProducts products = skinart::MakeDefaultSkin();
      WriteBytes(target / skinart::kStreamPath, products.stream);
      WriteBytes(target / skinart::kStreamHexPath,
                 std::span(reinterpret_cast<const uint8_t*>(products.stream_hex.data()), products.stream_hex.size()));
      WriteFiles(target / skinart::kProgramBitmapFolder, products.program_bitmaps);
      WriteBytes(target / skinart::kSheetPath, skinart::DefaultSkinSheetPng(products));
      std::cout << "default skin: " << products.archive.size() << " bytes expanded, skin file "
                << products.skin_file.size() << " bytes, stored skin " << products.stream.size() << " bytes\n";
      const skinart::PackedSkin midnight = skinart::MakeMidnightSkin();
      WriteBytes(target / skinart::kMidnightSkinPath, midnight.skin_file);
      WriteBytes(target / skinart::kMidnightSheetPath, skinart::MidnightSheetPng(midnight));
      std::cout << "midnight skin: " << midnight.archive.size() << " bytes expanded, skin file "
                << midnight.skin_file.size() << " bytes\n";
    } else {
      return Usage();
    }
  } catch (const std::exception& exception) {
    std::cerr << "skinart " << command << ": " << exception.what() << "\n";
    return 1;
  }
  return 0;
}
