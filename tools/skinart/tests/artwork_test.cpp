// The skins' bitmaps and definitions: the sizes and names the program's stored skin must have,
// and, for every skin drawn from code, the properties that make the artwork work with the way the
// program slices it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "skin/resources/quick_ini.h"
#include "tools/skinart/midnight_artwork.h"
#include "tools/skinart/skin_artwork.h"
#include "tools/skinart/sky_palette.h"
#include "tools/skinart/tests/drawn_skin.h"
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
    {"skyblue__buttons.bmp", 6954, 100, 23, 24},
    {"skyblue__checkbox.bmp", 6138, 156, 13, 24},
    {"skyblue__radiobutton.bmp", 4110, 104, 13, 24},
    {"progress.bmp", 1494, 10, 13, 24},
    {"skyblue__progresschunk.bmp", 4366, 102, 14, 24},
    {"skyblue__tab.bmp", 9070, 130, 23, 24},
    {"tabsheet.bmp", 6966, 48, 48, 24},
    {"skyblue__comboboxbtn.bmp", 2934, 60, 16, 24},
    {"skyblue__statusbar.bmp", 12906, 204, 21, 24},
    {"\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__header.bmp", 4950, 90, 18, 24},
    {"skyblue__scrollbararrow.bmp", 17718, 368, 16, 24},
    {"skyblue__scrollbarhthumb.bmp", 4014, 88, 15, 24},
    {"skyblue__scrollbarvthumb.bmp", 4014, 60, 22, 24},
    {"skyblue__scrollbarhbar.bmp", 3522, 68, 17, 24},
    {"skyblue__scrollbarvbar.bmp", 3522, 68, 17, 24},
    {"menubackground.bmp", 1654, 20, 20, 32},
    {"menuitem.bmp", 7254, 100, 18, 32},
    {"extraimages.bmp", 4134, 80, 17, 24},
    {"skyblue__trackthumbh.bmp", 2774, 45, 20, 24},
    {"skyblue__trackbot.bmp", 3582, 55, 21, 24},
    {"trackbar.bmp", 1238, 5, 10, 24},
    {"trackbarv.bmp", 1238, 5, 10, 24},
    {"mdibutton.bmp", 4678, 120, 10, 24},
    {"skyblue__spin.bmp", 5814, 120, 16, 24},
    {"spinarrow.bmp", 1062, 56, 6, 24},
    {"skyblue__spinh.bmp", 5814, 120, 16, 24},
    {"spinharrow.bmp", 1062, 48, 7, 24},
    {"skyblue__closebutton.bmp", 8034, 126, 21, 24},
    {"skyblue__maxbutton.bmp", 8034, 126, 21, 24},
    {"skyblue__minbutton.bmp", 8034, 126, 21, 24},
    {"skyblue__restrorebutton.bmp", 8034, 126, 21, 24},
    {"skyblue__frameleft.bmp", 2454, 8, 100, 24},
    {"skyblue__frameright.bmp", 2454, 8, 100, 24},
    {"skyblue__frametop.bmp", 106230, 632, 56, 24},
    {"skyblue__framebottom.bmp", 19014, 632, 10, 24},
    {"mincaption.bmp", 11654, 66, 58, 24},
};

class SkyBlueSkin : public testing::Test {
 protected:
  static const DrawnSkin& Skin() { return DrawnSkin::SkyBlue(); }
  static const std::vector<NamedFile>* files_;
  static const skin::TQuickIni* ini_;
  static const std::map<std::string, Image>* images_;
  static void SetUpTestSuite() {
    files_ = &Skin().files;
    ini_ = &Skin().ini;
    images_ = &Skin().images;
  }
};

const std::vector<NamedFile>* SkyBlueSkin::files_ = nullptr;
const skin::TQuickIni* SkyBlueSkin::ini_ = nullptr;
const std::map<std::string, Image>* SkyBlueSkin::images_ = nullptr;

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
      {"ButtonFace", sky::kButtonFace},
      {"TitleTextActive", sky::kTitleTextActive},
      {"TitleTextNoActive", sky::kTitleTextNoActive},
      {"ButtonHilight", sky::kButtonHilight},
      {"ButtonShadow", sky::kButtonShadow},
      {"ButtonDkShadow", sky::kButtonDkShadow},
      {"Buttonlight", sky::kButtonlight},
      {"Menubar", sky::kMenubar},
      {"Menu", sky::kMenu},
      {"MenuText", sky::kMenuText},
      {"MenuBarText", sky::kMenuBarText},
      {"Hilight", sky::kHilight},
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

TEST_F(SkyBlueSkin, CaptionLeansToBlue) {
  const Image& top = images_->at("skyblue__frametop.bmp");
  const Rgb sample = top.At(632 / 3, 28 / 3);
  EXPECT_GT(skinimage::BlueOf(sample), skinimage::RedOf(sample));
}

TEST_F(SkyBlueSkin, RoundedCornersAndButtonSurroundsAreTransparent) {
  EXPECT_EQ(images_->at("skyblue__buttons.bmp").At(0, 0), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__closebutton.bmp").At(20, 20), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__frameleft.bmp").At(0, 0), skinimage::kMagenta);
  EXPECT_EQ(images_->at("skyblue__frameright.bmp").At(7, 0), skinimage::kMagenta);
  EXPECT_NE(images_->at("skyblue__frameleft.bmp").At(0, 50), skinimage::kMagenta);
}

// ---- Every skin drawn from code -----------------------------------------------------------------

class EverySkin : public testing::TestWithParam<std::string> {
 protected:
  static const DrawnSkin& Skin() { return DrawnSkin::Named(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Skins, EverySkin, testing::Values("sky blue", "midnight"),
                         [](const testing::TestParamInfo<std::string>& param) {
                           return param.param == "midnight" ? "Midnight" : "SkyBlue";
                         });

TEST_P(EverySkin, CaptionTextStandsOutFromWhatItIsDrawnOn) {
  const DrawnSkin& s = Skin();
  const std::vector<skinpack::FrameLayout> layouts = s.Layouts();
  const skinpack::FrameLayout* top = FindLayout(layouts, skin::SkinElement::kBorderTop);
  const skinpack::FrameLayout* plate = FindLayout(layouts, skin::SkinElement::kTitle);
  ASSERT_NE(top, nullptr);
  for (const int frame : {0, 1}) {
    const Image caption = s.FrameOf(*top, frame);
    const Rgb text = s.Colour(frame == 0 ? "TitleTextActive" : "TitleTextNoActive");
    // The caption text runs over the middle rows of the caption, on the text plate when the skin
    // has one.
    const int rows = caption.Height();
    for (int y = rows * 2 / 7; y < rows * 5 / 7; ++y) {
      Rgb under = caption.At(caption.Width() / 2, y);
      if (plate != nullptr) {
        const Rgb on_plate = s.FrameOf(*plate, frame).At(plate->left, y);
        if (on_plate != skinimage::kMagenta) under = on_plate;
      }
      EXPECT_GE(std::abs(Luma(under) - Luma(text)), frame == 0 ? 60 : 45)
          << (frame == 0 ? "active" : "inactive") << " row " << y;
    }
  }
}

TEST_P(EverySkin, StateFramesAreAllDistinct) {
  const DrawnSkin& s = Skin();
  for (const skinpack::FrameLayout& layout : s.Layouts()) {
    for (int i = 0; i < layout.frames; ++i)
      for (int j = i + 1; j < layout.frames; ++j)
        EXPECT_NE(s.FrameOf(layout, i), s.FrameOf(layout, j))
            << layout.entry << ": frames " << i + 1 << " and " << j + 1 << " look the same";
  }
}

// Whether the element is stretched along x and along y when the program draws it.
std::pair<bool, bool> StretchAxes(const skinpack::FrameLayout& layout) {
  // The caption text plate is drawn at its own height, its middle repeated.
  if (layout.element == skin::SkinElement::kTitle) return {false, false};
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

TEST_P(EverySkin, NineSlicingStretchesNoCornerOrFeature) {
  const DrawnSkin& s = Skin();
  int checked = 0;
  for (const skinpack::FrameLayout& layout : s.Layouts()) {
    if (!(layout.left || layout.top || layout.right || layout.bottom) && layout.section != "HorzScroll") continue;
    const auto [stretch_x, stretch_y] = StretchAxes(layout);
    for (int i = 0; i < layout.frames; ++i) {
      const Image frame = s.FrameOf(layout, i);
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

TEST_P(EverySkin, MagentaOnlyInElementsDrawnTransparent) {
  const DrawnSkin& s = Skin();
  for (const skinpack::FrameLayout& layout : s.Layouts()) {
    const Image& image = s.ImageOf(layout);
    const bool has_magenta =
        std::find(image.Pixels().begin(), image.Pixels().end(), skinimage::kMagenta) != image.Pixels().end();
    if (!layout.keyed) {
      EXPECT_FALSE(has_magenta) << layout.entry << " is drawn opaque but holds magenta";
    }
  }
}

TEST_P(EverySkin, IsTheSameOnEveryRun) {
  const auto files = GetParam() == "midnight" ? MidnightSkinFiles : SkyBlueSkinFiles;
  const std::vector<NamedFile> first = files();
  const std::vector<NamedFile> second = files();
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
