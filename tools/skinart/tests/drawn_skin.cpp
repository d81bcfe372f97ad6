#include "tools/skinart/tests/drawn_skin.h"

#include <sstream>
#include <stdexcept>

#include "skin/resources/memory_stream.h"
#include "tools/skinart/midnight_artwork.h"
#include "tools/skinart/skin_artwork.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/skin_archive.h"

namespace skinart {

DrawnSkin::DrawnSkin(std::string skin_name, std::vector<NamedFile> skin_files)
    : name(std::move(skin_name)), files(std::move(skin_files)) {
  const std::vector<uint8_t>& text = files.front().bytes;
  skin::TMemoryStream stream(text);
  ini.LoadFromStream(&stream);
  for (const NamedFile& file : files) {
    std::string error;
    if (auto image = skinimage::DecodeBmp(file.bytes, error)) images[skinpack::LowerAscii(file.name)] = *image;
  }
}

const DrawnSkin& DrawnSkin::SkyBlue() {
  static const DrawnSkin skin("sky blue", SkyBlueSkinFiles());
  return skin;
}

const DrawnSkin& DrawnSkin::Midnight() {
  static const DrawnSkin skin("midnight", MidnightSkinFiles());
  return skin;
}

const DrawnSkin& DrawnSkin::Named(const std::string& skin_name) {
  return skin_name == "midnight" ? Midnight() : SkyBlue();
}

std::vector<skinpack::FrameLayout> DrawnSkin::Layouts() const {
  return skinpack::DescribeBitmaps(ini, [this](const std::string& entry) -> std::optional<std::pair<int, int>> {
    const auto it = images.find(skinpack::LowerAscii(entry));
    if (it == images.end()) return std::nullopt;
    return std::pair{it->second.Width(), it->second.Height()};
  });
}

const skinimage::Image& DrawnSkin::Image(const std::string& entry) const {
  const auto it = images.find(skinpack::LowerAscii(entry));
  if (it == images.end()) throw std::out_of_range(name + " has no bitmap " + entry);
  return it->second;
}

skinimage::Image DrawnSkin::FrameOf(const skinpack::FrameLayout& layout, int index) const {
  const skinimage::Image& image = ImageOf(layout);
  if (layout.vertical) {
    const int fh = image.Height() / layout.frames;
    return image.Crop({0, index * fh, image.Width(), (index + 1) * fh});
  }
  const int fw = image.Width() / layout.frames;
  return image.Crop({index * fw, 0, (index + 1) * fw, image.Height()});
}

skinimage::Rgb DrawnSkin::Colour(const std::string& key) const {
  std::istringstream text(ini.ReadString("Colours", key, ""));
  int red = -1, green = -1, blue = -1;
  text >> red >> green >> blue;
  if (blue < 0) throw std::out_of_range(name + " gives no colour " + key);
  return skinimage::MakeRgb(red, green, blue);
}

const skinpack::FrameLayout* FindLayout(const std::vector<skinpack::FrameLayout>& layouts, skin::SkinElement element) {
  for (const skinpack::FrameLayout& layout : layouts)
    if (layout.element == element) return &layout;
  return nullptr;
}

}  // namespace skinart
