// Small skins that the tests pack themselves: a definition text and bitmaps drawn in code, packed
// into a skin archive, coded, and wrapped as the stored-skin property holds them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/skin_data.h"
#include "skin/resources/tests/skin_archive_builder.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinimage/image.h"

namespace skintest {

using Bytes = std::vector<uint8_t>;

struct TestSkin {
  std::string definition;  // INI text
  std::vector<skin::testing::ArchiveEntry> files;

  TestSkin& Bitmap(const std::string& name, const skinimage::Image& image, int bits = 24) {
    files.push_back({name, skinimage::EncodeBmp(image, {bits, 0})});
    return *this;
  }
  TestSkin& Bitmap(const std::string& name, int width, int height, skinimage::Rgb fill = 0x336699) {
    return Bitmap(name, skinimage::Image(width, height, fill));
  }
  // The coded skin file, as a file on disk holds it.
  [[nodiscard]] Bytes SkinFile() const {
    std::vector<skin::testing::ArchiveEntry> entries = {{"test.ini", skin::testing::BytesOf(definition)}};
    entries.insert(entries.end(), files.begin(), files.end());
    return skin::testing::SkinFile(skin::testing::Archive(entries));
  }
  // The stored-skin property data: the skin file's length, then the file.
  [[nodiscard]] Bytes Stored() const { return Wrap(SkinFile()); }

  static Bytes Wrap(const Bytes& file) {
    Bytes stored;
    skin::testing::AppendLittleEndian32(stored, static_cast<uint32_t>(file.size()));
    stored.insert(stored.end(), file.begin(), file.end());
    return stored;
  }
};

// The image's colour as the program's bitmaps report pixels (0x00BBGGRR).
inline COLORREF Colorref(skinimage::Rgb rgb) {
  return RGB(skinimage::RedOf(rgb), skinimage::GreenOf(rgb), skinimage::BlueOf(rgb));
}

// The program's default skin, compiled into the test program as a resource: the stored-skin
// property data.
Bytes DefaultStoredSkin();

}  // namespace skintest
