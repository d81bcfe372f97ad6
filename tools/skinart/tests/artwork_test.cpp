// The default skin's bitmaps and definition: the sizes and names the program's stored skin must
// have, and the properties that make the artwork work with the way the program slices it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "skin/resources/memory_stream.h"
#include "skin/resources/quick_ini.h"
#include "tools/skinart/skin_artwork.h"
#include "tools/skinart/sky_palette.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/element_layout.h"
#include "tools/skinpack/skin_archive.h"

namespace skinart {
namespace {

using skinimage::Image;
using skinimage::Rgb;

struct Expected {
  const char* name;
  size_t bytes;
  int width, height, bits;
};

// The stored skin's 36 bitmaps, in the order the definition names them.
const Expected kBitmaps[] = {
    {"skyblue__buttons.bmp", 6954, 100, 23, 24},        {"skyblue__checkbox.bmp", 6138, 156, 13, 24},
    {"skyblue__radiobutton.bmp", 4110, 104, 13, 24},    {"progress.bmp", 1494, 10, 13, 24},
    {"skyblue__progresschunk.bmp", 4366, 102, 14, 24},  {"skyblue__tab.bmp", 9070, 130, 23, 24},
    {"tabsheet.bmp", 6966, 48, 48, 24},                 {"skyblue__comboboxbtn.bmp", 2934, 60, 16, 24},
    {"skyblue__statusbar.bmp", 12906, 204, 21, 24},     {"\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__header.bmp", 4950, 90, 18, 24},
    {"skyblue__scrollbararrow.bmp", 17718, 368, 16, 24}, {"skyblue__scrollbarhthumb.bmp", 4014, 88, 15, 24},
    {"skyblue__scrollbarvthumb.bmp", 4014, 60, 22, 24}, {"skyblue__scrollbarhbar.bmp", 3522, 68, 17, 24},
    {"skyblue__scrollbarvbar.bmp", 3522, 68, 17, 24},   {"menubackground.bmp", 1654, 20, 20, 32},
    {"menuitem.bmp", 7254, 100, 18, 32},                {"extraimages.bmp", 4134, 80, 17, 24},
    {"skyblue__trackthumbh.bmp", 2774, 45, 20, 24},     {"skyblue__trackbot.bmp", 3582, 55, 21, 24},
    {"trackbar.bmp", 1238, 5, 10, 24},                  {"trackbarv.bmp", 1238, 5, 10, 24},
    {"mdibutton.bmp", 4678, 120, 10, 24},               {"skyblue__spin.bmp", 5814, 120, 16, 24},
    {"spinarrow.bmp", 1062, 56, 6, 24},                 {"skyblue__spinh.bmp", 5814, 120, 16, 24},
    {"spinharrow.bmp", 1062, 48, 7, 24},                {"skyblue__closebutton.bmp", 8034, 126, 21, 24},
    {"skyblue__maxbutton.bmp", 8034, 126, 21, 24},      {"skyblue__minbutton.bmp", 8034, 126, 21, 24},
    {"skyblue__restrorebutton.bmp", 8034, 126, 21, 24}, {"skyblue__frameleft.bmp", 2454, 8, 100, 24},
    {"skyblue__frameright.bmp", 2454, 8, 100, 24},      {"skyblue__frametop.bmp", 106230, 632, 56, 24},
    {"skyblue__framebottom.bmp", 19014, 632, 10, 24},   {"mincaption.bmp", 11654, 66, 58, 24},
};

class SkyBlueSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    files_ = new std::vector<NamedFile>(SkyBlueSkinFiles());
    const std::string text = SkyBlueDefinition();
    skin::TMemoryStream stream(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    ini_ = new skin::TQuickIni();
    ini_->LoadFromStream(&stream);
    images_ = new std::map<std::string, Image>();
    for (const NamedFile& file : *files_) {
      std::string error;
      if (auto image = skinimage::DecodeBmp(file.bytes, error)) (*images_)[skinpack::LowerAscii(file.name)] = *image;
    }
  }
  static void TearDownTestSuite() {
    delete files_;
    delete ini_;
    delete images_;
  }

  static std::vector<skinpack::FrameLayout> Layouts() {
    return skinpack::DescribeBitmaps(*ini_, [](const std::string& entry) -> std::optional<std::pair<int, int>> {
      const auto it = images_->find(skinpack::LowerAscii(entry));
      if (it == images_->end()) return std::nullopt;
      return std::pair{it->second.Width(), it->second.Height()};
    });
  }

  static const Image& ImageOf(const skinpack::FrameLayout& layout) {
    return images_->at(skinpack::LowerAscii(layout.entry));
  }

  static Image FrameOf(const skinpack::FrameLayout& layout, int index) {
    const Image& image = ImageOf(layout);
    if (layout.vertical) {
      const int fh = image.Height() / layout.frames;
      return image.Crop({0, index * fh, image.Width(), (index + 1) * fh});
    }
    const int fw = image.Width() / layout.frames;
    return image.Crop({index * fw, 0, (index + 1) * fw, image.Height()});
  }

  static std::vector<NamedFile>* files_;
  static skin::TQuickIni* ini_;
  static std::map<std::string, Image>* images_;
};

std::vector<NamedFile>* SkyBlueSkin::files_ = nullptr;
skin::TQuickIni* SkyBlueSkin::ini_ = nullptr;
std::map<std::string, Image>* SkyBlueSkin::images_ = nullptr;

TEST_F(SkyBlueSkin, HoldsTheStoredSkinsBitmapsWithTheirSizesInDefinitionOrder) {
  ASSERT_EQ(files_->size(), 37u);
  EXPECT_EQ((*files_)[0].name, kDefinitionName);
  for (size_t i = 0; i < std::size(kBitmaps); ++i) {
    const Expected& expected = kBitmaps[i];
    const NamedFile& file = (*files_)[i + 1];
    EXPECT_EQ(file.name, expected.name);
    EXPECT_EQ(file.bytes.size(), expected.bytes) << expected.name;
    std::string error;
    const auto info = skinimage::ReadBmpInfo(file.bytes, error);
    ASSERT_TRUE(info) << expected.name << ": " << error;
    EXPECT_EQ(info->width, expected.width) << expected.name;
    EXPECT_EQ(info->height, expected.height) << expected.name;
    EXPECT_EQ(info->bits_per_pixel, expected.bits) << expected.name;
    EXPECT_EQ(info->compression, 0u) << expected.name;
  }
}

TEST_F(SkyBlueSkin, DefinitionTextHasTheStoredSkinsShape) {
  const std::string text = SkyBlueDefinition();
  EXPECT_EQ(text.size(), 3814u);
  size_t line_ends = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(text[i - 1], '\r') << "a line ending in a bare LF at " << i;
      ++line_ends;
    } else if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "a bare CR at " << i;
    }
  }
  EXPECT_EQ(line_ends, 263u);
  // Every section is followed by an empty line, and nothing else is empty.
  EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
  EXPECT_NE(text.find("]\r\n"), std::string::npos);
  std::vector<std::string> sections;
  ini_->ReadSections(&sections);
  ASSERT_EQ(sections.size(), 33u);
  EXPECT_EQ(sections.front(), "TitlebarSkin");
  EXPECT_EQ(sections.back(), "Colours");
  EXPECT_EQ(ini_->ReadString("TitlebarSkin", "SkinName", ""), kSkinDisplayName);
  EXPECT_EQ(ini_->ReadString("TitlebarSkin", "SkinAuthor", ""), kSkinAuthor);
  EXPECT_EQ(ini_->ReadInteger("Skins", "Version", 0), 200);
  EXPECT_EQ(ini_->ReadString("Headerbar", "Image", ""), "\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__Header.bmp");
  EXPECT_EQ(ini_->ReadInteger("Personality", "TextRightClip", 0), 20);
}

TEST_F(SkyBlueSkin, ColoursSectionIsTheArtworksPalette) {
  const std::pair<const char*, Rgb> kColours[] = {
      {"ButtonFace", sky::kButtonFace},       {"TitleTextActive", sky::kTitleTextActive},
      {"TitleTextNoActive", sky::kTitleTextNoActive}, {"ButtonHilight", sky::kButtonHilight},
      {"ButtonShadow", sky::kButtonShadow},   {"ButtonDkShadow", sky::kButtonDkShadow},
      {"Buttonlight", sky::kButtonlight},     {"Menubar", sky::kMenubar},
      {"Menu", sky::kMenu},                   {"MenuText", sky::kMenuText},
      {"MenuBarText", sky::kMenuBarText},     {"Hilight", sky::kHilight},
      {"HilightText", sky::kHilightText},
  };
  for (const auto& [key, colour] : kColours) {
    const std::string expected = std::to_string(skinimage::RedOf(colour)) + " " +
                                 std::to_string(skinimage::GreenOf(colour)) + " " +
                                 std::to_string(skinimage::BlueOf(colour));
    EXPECT_EQ(ini_->ReadString("Colours", key, ""), expected) << key;
  }
  EXPECT_EQ(sky::kButtonFace, skinimage::MakeRgb(227, 238, 253));
  EXPECT_EQ(sky::kHilight, skinimage::MakeRgb(158, 177, 205));
}

int Luma(Rgb c) { return (299 * skinimage::RedOf(c) + 587 * skinimage::GreenOf(c) + 114 * skinimage::BlueOf(c)) / 1000; }

TEST_F(SkyBlueSkin, CaptionTextStandsOutFromTheCaptionItIsDrawnOn) {
  const Image& top = images_->at("skyblue__frametop.bmp");
  // The caption text runs over the middle rows of each caption frame.
  for (int y = 8; y < 20; ++y) {
    EXPECT_GE(std::abs(Luma(top.At(300, y)) - Luma(sky::kTitleTextActive)), 60) << "active row " << y;
    EXPECT_GE(std::abs(Luma(top.At(300, 28 + y)) - Luma(sky::kTitleTextNoActive)), 45) << "inactive row " << y;
  }
  // A sky-blue look: the active caption leans to blue.
  const Rgb sample = top.At(632 / 3, 28 / 3);
  EXPECT_GT(skinimage::BlueOf(sample), skinimage::RedOf(sample));
}

TEST_F(SkyBlueSkin, StateFramesAreAllDistinct) {
  for (const skinpack::FrameLayout& layout : Layouts()) {
    for (int i = 0; i < layout.frames; ++i)
      for (int j = i + 1; j < layout.frames; ++j)
        EXPECT_NE(FrameOf(layout, i), FrameOf(layout, j))
            << layout.entry << ": frames " << i + 1 << " and " << j + 1 << " look the same";
  }
}

// Whether the element is stretched along x and along y when the program draws it.
std::pair<bool, bool> StretchAxes(const skinpack::FrameLayout& layout) {
  if (layout.section == "Personality") return {layout.vertical, !layout.vertical};
  return {true, true};
}

bool ColumnsAlike(const Image& frame, int from, int to) {
  for (int x = from + 1; x < to; ++x)
    for (int y = 0; y < frame.Height(); ++y)
      if (frame.At(x, y) != frame.At(from, y)) return false;
  return true;
}

bool RowsAlike(const Image& frame, int from, int to) {
  for (int y = from + 1; y < to; ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (frame.At(x, y) != frame.At(x, from)) return false;
  return true;
}

TEST_F(SkyBlueSkin, NineSlicingStretchesNoCornerOrFeature) {
  int checked = 0;
  for (const skinpack::FrameLayout& layout : Layouts()) {
    if (!(layout.left || layout.top || layout.right || layout.bottom) && layout.section != "HorzScroll") continue;
    const auto [stretch_x, stretch_y] = StretchAxes(layout);
    for (int i = 0; i < layout.frames; ++i) {
      const Image frame = FrameOf(layout, i);
      const int x0 = layout.left, x1 = frame.Width() - layout.right;
      const int y0 = layout.top, y1 = frame.Height() - layout.bottom;
      ASSERT_LT(x0, x1) << layout.entry;
      ASSERT_LT(y0, y1) << layout.entry;
      // What lies between the margins repeats along one axis, so stretching it changes no shape.
      const bool columns = !stretch_x || ColumnsAlike(frame, x0, x1);
      const bool rows = !stretch_y || RowsAlike(frame, y0, y1);
      EXPECT_TRUE(stretch_x && stretch_y ? columns || rows : columns && rows)
          << layout.entry << " frame " << i + 1 << ": the middle is not uniform along a stretched axis";
      // Transparent pixels only in the fixed corners.
      for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x)
          if (frame.At(x, y) == skinimage::kMagenta) {
            const bool in_x = !stretch_x || x < x0 || x >= x1;
            const bool in_y = !stretch_y || y < y0 || y >= y1;
            EXPECT_TRUE(in_x && in_y) << layout.entry << " frame " << i + 1 << ": magenta at " << x << "," << y
                                      << " would be stretched";
          }
      ++checked;
    }
  }
  EXPECT_GE(checked, 40);
}

TEST_F(SkyBlueSkin, MagentaOnlyInElementsDrawnTransparent) {
  for (const skinpack::FrameLayout& layout : Layouts()) {
    const Image& image = ImageOf(layout);
    const bool has_magenta = std::find(image.Pixels().begin(), image.Pixels().end(), skinimage::kMagenta) !=
                             image.Pixels().end();
    if (!layout.keyed) {
      EXPECT_FALSE(has_magenta) << layout.entry << " is drawn opaque but holds magenta";
    }
  }
  // Rounded corners and caption-button surrounds are transparent.
  EXPECT_EQ(images_->at("skyblue__buttons.bmp").At(0, 0), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__closebutton.bmp").At(20, 20), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__frameleft.bmp").At(0, 0), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__frameright.bmp").At(7, 0), skinimage::kMagenta);
  EXPECT_NE(images_->at("skyblue__frameleft.bmp").At(0, 50), skinimage::kMagenta);
}

TEST(SkyBlueArtwork, IsTheSameOnEveryRun) {
  const std::vector<NamedFile> first = SkyBlueSkinFiles();
  const std::vector<NamedFile> second = SkyBlueSkinFiles();
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].bytes, second[i].bytes) << first[i].name;
}

TEST(ProgramBitmaps, MenuGlyphStripAndBuiltInTracks) {
  const std::vector<NamedFile> files = ProgramBitmapFiles();
  ASSERT_EQ(files.size(), 3u);
  std::string error;
  const auto menu = skinimage::DecodeBmp(files[0].bytes, error);
  ASSERT_TRUE(menu) << error;
  EXPECT_EQ(files[0].name, "skinkitmenu.bmp");
  EXPECT_EQ(skinimage::ReadBmpInfo(files[0].bytes, error)->bits_per_pixel, 1);
  EXPECT_EQ(menu->Width(), 64);
  EXPECT_EQ(menu->Height(), 16);
  // Four glyphs, each inside its own 16 × 16 cell with a white (mask) border around it.
  std::set<std::vector<Rgb>> glyphs;
  for (int g = 0; g < 4; ++g) {
    const Image cell = menu->Crop({16 * g, 0, 16 * (g + 1), 16});
    int ink = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool black = cell.At(x, y) == skinimage::kBlack;
        ink += black;
        if (x < 2 || x > 13 || y < 2 || y > 13) {
          EXPECT_FALSE(black) << "glyph " << g << " touches its cell edge";
        }
      }
    EXPECT_GT(ink, 8) << "glyph " << g;
    glyphs.insert(cell.Pixels());
  }
  EXPECT_EQ(glyphs.size(), 4u);

  const auto track = skinimage::DecodeBmp(files[1].bytes, error);
  const auto vertical = skinimage::DecodeBmp(files[2].bytes, error);
  ASSERT_TRUE(track && vertical);
  EXPECT_EQ(files[1].name, "track.bmp");
  EXPECT_EQ(files[2].name, "trackvert.bmp");
  EXPECT_EQ(track->Width(), 16);
  EXPECT_EQ(track->Height(), 4);
  EXPECT_EQ(*vertical, track->Transposed());
  // Its middle (between the 3-pixel margins) stretches without changing.
  for (int x = 4; x < 13; ++x)
    for (int y = 0; y < 4; ++y) EXPECT_EQ(track->At(x, y), track->At(3, y));
}

}  // namespace
}  // namespace skinart
