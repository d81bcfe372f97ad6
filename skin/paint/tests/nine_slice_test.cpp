// Nine-slice placement of StretchFrame, DrawSkinFrame and DrawSkinElement.
#include <gtest/gtest.h>

#include <memory>

#include "skin/paint/skin_paint.h"
#include "skin/paint/tests/paint_test_support.h"

namespace {

using paint_test::FromPicture;
using paint_test::Picture;
using paint_test::ToPicture;
using skin::CentreFill;
using skin::FrameMargins;
using skin::FrameStrip;
using skin::Keying;

// Three 5×4 frames; margins left 1, top 1, right 2, bottom 1 cut each into nine parts.
const Picture kSideBySide = {
    "abbccABBCC12233",
    "deeffDEEFF45566",
    "deeffDEEFF45566",
    "ghhiiGHHII78899",
};
const Picture kStacked = {
    "abbcc", "deeff", "deeff", "ghhii",  //
    "ABBCC", "DEEFF", "DEEFF", "GHHII",  //
    "12233", "45566", "45566", "78899",
};
constexpr FrameMargins kMargins{1, 1, 2, 1};

TEST(NineSlice, CornersEdgesAndCentreLandInPlaceForEveryFrame) {
  struct Case {
    const char* what;
    const Picture& bitmap;
    FrameStrip strip;
    int index;
    Picture expected;
  };
  const Case cases[] = {
      {"side by side, frame 1",
       kSideBySide,
       FrameStrip::SideBySide,
       1,
       {"abbbbbbcc", "deeeeeeff", "deeeeeeff", "deeeeeeff", "deeeeeeff", "ghhhhhhii"}},
      {"side by side, frame 2",
       kSideBySide,
       FrameStrip::SideBySide,
       2,
       {"ABBBBBBCC", "DEEEEEEFF", "DEEEEEEFF", "DEEEEEEFF", "DEEEEEEFF", "GHHHHHHII"}},
      {"side by side, frame 3",
       kSideBySide,
       FrameStrip::SideBySide,
       3,
       {"122222233", "455555566", "455555566", "455555566", "455555566", "788888899"}},
      {"stacked, frame 2",
       kStacked,
       FrameStrip::Stacked,
       2,
       {"ABBBBBBCC", "DEEEEEEFF", "DEEEEEEFF", "DEEEEEEFF", "DEEEEEEFF", "GHHHHHHII"}},
      {"stacked, frame 3",
       kStacked,
       FrameStrip::Stacked,
       3,
       {"122222233", "455555566", "455555566", "455555566", "455555566", "788888899"}},
  };
  for (const Case& c : cases) {
    const fw::TBitmap bitmap = FromPicture(c.bitmap);
    const fw::TBitmap result =
        skin::StretchFrame(RECT{10, 20, 19, 26}, bitmap, kMargins, c.strip, CentreFill::Stretch, 3, c.index);
    EXPECT_EQ(ToPicture(result), c.expected) << c.what;
  }
}

TEST(NineSlice, MarginsThatDoNotFitTheTargetAreDropped) {
  // In the 3×3 frame every pixel differs, and margins of 2 on all sides overlap.
  const Picture square = {"abc", "def", "ghi"};
  constexpr FrameMargins kTwo{2, 2, 2, 2};
  struct Case {
    const char* what;
    Picture frame;
    FrameMargins margins;
    int width, height;
    Picture expected;
  };
  const Case cases[] = {
      {"narrower and shorter: the frame as it is", square, kTwo, 3, 3, {"abc", "def", "ghi"}},
      {"exactly the margins: four corners", square, kTwo, 4, 4, {"abbc", "deef", "deef", "ghhi"}},
      {"narrower only: top and bottom edges at full width", square, kTwo, 3, 4, {"abc", "def", "def", "ghi"}},
      {"shorter only: left and right edges at full height", square, kTwo, 4, 3, {"abbc", "deef", "ghhi"}},
      {"narrower than the side margins: stretched across",
       {"abcd", "efgh"},
       {5, 0, 5, 0},
       8,
       2,
       {"aabbccdd", "eeffgghh"}},
      {"shorter than the top and bottom margins: stretched down",
       {"ab", "cd", "ef"},
       {0, 4, 0, 4},
       2,
       6,
       {"ab", "ab", "cd", "cd", "ef", "ef"}},
  };
  for (const Case& c : cases) {
    const fw::TBitmap bitmap = FromPicture(c.frame);
    const fw::TBitmap result = skin::StretchFrame(RECT{0, 0, c.width, c.height}, bitmap, c.margins,
                                                  FrameStrip::SideBySide, CentreFill::Stretch, 1, 1);
    EXPECT_EQ(ToPicture(result), c.expected) << c.what;
  }
}

TEST(NineSlice, TiledCentreRepeatsTheFramesCentreAndNeverShowsOverTheBorders) {
  const fw::TBitmap bitmap = FromPicture({
      "abbbcc",
      "d123ff",
      "d456ff",
      "d789ff",
      "ghhhii",
  });
  const fw::TBitmap result =
      skin::StretchFrame(RECT{0, 0, 8, 6}, bitmap, kMargins, FrameStrip::SideBySide, CentreFill::Tile, 1, 1);
  const Picture expected = {
      "abbbbbcc",  //
      "d12312ff",  //
      "d45645ff",  //
      "d78978ff",  //
      "d12312ff",  //
      "ghhhhhii",
  };
  EXPECT_EQ(ToPicture(result), expected);
}

TEST(NineSlice, StretchFrameIsEmptyWithoutAreaOrFrame) {
  const fw::TBitmap bitmap = FromPicture(kSideBySide);
  struct Case {
    const char* what;
    RECT dest;
    int count, index;
  };
  const Case cases[] = {
      {"no width", RECT{3, 0, 3, 5}, 3, 1},  {"inverted", RECT{5, 5, 1, 1}, 3, 1},
      {"frame 0", RECT{0, 0, 5, 5}, 3, 0},   {"frame past the count", RECT{0, 0, 5, 5}, 3, 4},
      {"no frames", RECT{0, 0, 5, 5}, 0, 1}, {"more frames than pixels", RECT{0, 0, 5, 5}, 16, 1},
  };
  for (const Case& c : cases) {
    const fw::TBitmap result =
        skin::StretchFrame(c.dest, bitmap, kMargins, FrameStrip::SideBySide, CentreFill::Stretch, c.count, c.index);
    EXPECT_TRUE(result.Empty()) << c.what;
  }
  EXPECT_TRUE(
      skin::StretchFrame(RECT{0, 0, 5, 5}, fw::TBitmap(), kMargins, FrameStrip::SideBySide, CentreFill::Stretch, 1, 1)
          .Empty());
}

TEST(NineSlice, DrawSkinFramePutsTheImageAtTheRectangleOnly) {
  const fw::TBitmap bitmap = FromPicture(kSideBySide);
  fw::TBitmap target = paint_test::BlankTarget(11, 8);
  skin::DrawSkinFrame(target.DC(), RECT{1, 1, 10, 7}, bitmap, FrameStrip::SideBySide, CentreFill::Stretch,
                      Keying::Opaque, 3, 2, kMargins);
  const Picture expected = {
      "###########",  //
      "#ABBBBBBCC#",  //
      "#DEEEEEEFF#",  //
      "#DEEEEEEFF#",  //
      "#DEEEEEEFF#",  //
      "#DEEEEEEFF#",  //
      "#GHHHHHHII#",  //
      "###########",
  };
  EXPECT_EQ(ToPicture(target), expected);
}

// An element record shaped like the skin's: margins, an owned bitmap, Tile and Trans.
struct ElementRecord {
  int LeftWidth = 1, TopHeight = 1, RightWidth = 2, BottomHeight = 1;
  std::unique_ptr<fw::TBitmap> Bitmap;
  int Trans = 0;
  int Tile = 0;
};

TEST(NineSlice, DrawSkinElementReadsTheElementsMarginsTileAndTrans) {
  ElementRecord element;
  element.Bitmap = std::make_unique<fw::TBitmap>(FromPicture({
      "abbbcc",
      "d1M3ff",
      "d456ff",
      "d789ff",
      "ghhhii",
  }));
  element.Tile = 1;
  struct Case {
    const char* what;
    int trans;
    Picture expected;
  };
  const Case cases[] = {
      {"Trans 1 keys out magenta", 1, {"abbbbbcc", "d1#31#ff", "d45645ff", "d78978ff", "d1#31#ff", "ghhhhhii"}},
      {"Trans 0 copies it", 0, {"abbbbbcc", "d1M31Mff", "d45645ff", "d78978ff", "d1M31Mff", "ghhhhhii"}},
      {"only 1 means transparent", 2, {"abbbbbcc", "d1M31Mff", "d45645ff", "d78978ff", "d1M31Mff", "ghhhhhii"}},
  };
  for (const Case& c : cases) {
    element.Trans = c.trans;
    fw::TBitmap target = paint_test::BlankTarget(8, 6);
    skin::DrawSkinElement(target.DC(), RECT{0, 0, 8, 6}, 1, 1, element);
    EXPECT_EQ(ToPicture(target), c.expected) << c.what;
  }
}

}  // namespace
