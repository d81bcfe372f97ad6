// A skin drawn from code, read back for the tests: its files, its definition parsed by the
// program's parser, its bitmaps decoded, and how the program cuts each of them into frames.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "skin/resources/element_frames.h"
#include "skin/resources/quick_ini.h"
#include "tools/skinart/skin_folder.h"
#include "tools/skinimage/image.h"
#include "tools/skinpack/element_layout.h"

namespace skinart {

struct DrawnSkin {
  std::string name;
  std::vector<NamedFile> files;  // the definition first, then the bitmaps
  skin::TQuickIni ini;
  std::map<std::string, skinimage::Image> images;  // by lower-case entry name

  DrawnSkin(std::string skin_name, std::vector<NamedFile> skin_files);

  // Each skin drawn once for the whole test program.
  static const DrawnSkin& SkyBlue();
  static const DrawnSkin& Midnight();
  static const DrawnSkin& Named(const std::string& skin_name);

  [[nodiscard]] std::vector<skinpack::FrameLayout> Layouts() const;
  [[nodiscard]] const skinimage::Image& Image(const std::string& entry) const;
  [[nodiscard]] const skinimage::Image& ImageOf(const skinpack::FrameLayout& layout) const {
    return Image(layout.entry);
  }
  // Frame `index` (from 0) as the program cuts it.
  [[nodiscard]] skinimage::Image FrameOf(const skinpack::FrameLayout& layout, int index) const;
  // The colour the definition's Colours section gives for `key` ("r g b").
  [[nodiscard]] skinimage::Rgb Colour(const std::string& key) const;
};

// Perceived brightness, 0 (black) to 255 (white).
inline int Luma(skinimage::Rgb c) {
  return (299 * skinimage::RedOf(c) + 587 * skinimage::GreenOf(c) + 114 * skinimage::BlueOf(c)) / 1000;
}

// The first layout of `element`, nullptr when the skin has none.
const skinpack::FrameLayout* FindLayout(const std::vector<skinpack::FrameLayout>& layouts, skin::SkinElement element);

}  // namespace skinart
