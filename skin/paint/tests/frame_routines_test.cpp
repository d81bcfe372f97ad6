// The single-frame routines: stretched, centred, three-part, horizontally tiled, keyed and
// masked frames, TileRect, and the empty-handed cases every routine shares.
#include <gtest/gtest.h>

#include <functional>

#include "skin/paint/skin_paint.h"
#include "skin/paint/tests/paint_test_support.h"

namespace {

using paint_test::BlankTarget;
using paint_test::FromPicture;
using paint_test::Picture;
using paint_test::ToPicture;
using skin::FrameMargins;
using skin::FrameStrip;
using skin::Keying;

TEST(FrameRoutines, DrawFrameStretchedFillsTheRectangleWithOneFrame) {
  const fw::TBitmap bitmap = FromPicture({"abcM", "efgh"});  // two 2×2 frames
  struct Case {
    const char* what;
    Keying keying;
    Picture expected;
  };
  const Case cases[] = {
      {"opaque", Keying::Opaque, {"#ccMM#", "#ccMM#", "#gghh#", "#gghh#", "######"}},
      {"keyed", Keying::Transparent, {"#cc###", "#cc###", "#gghh#", "#gghh#", "######"}},
  };
  for (const Case& c : cases) {
    fw::TBitmap target = BlankTarget(6, 5);
    skin::DrawFrameStretched(target.DC(), RECT{1, 0, 5, 4}, bitmap, c.keying, 2, 2);
    EXPECT_EQ(ToPicture(target), c.expected) << c.what;
  }
}

TEST(FrameRoutines, DrawFrameCenteredPlacesTheFrameUnscaledInTheMiddle) {
  const fw::TBitmap bitmap = FromPicture({"abcd", "efMh"});  // two 2×2 frames
  struct Case {
    const char* what;
    RECT rect;
    Keying keying;
    Picture expected;
  };
  const Case cases[] = {
      {"even room", RECT{0, 0, 6, 4}, Keying::Opaque, {"######", "##cd##", "##Mh##", "######"}},
      {"odd room rounds toward the top-left",
       RECT{1, 1, 6, 4},
       Keying::Opaque,
       {"######", "##cd##", "##Mh##", "######"}},
      {"keyed", RECT{0, 0, 6, 4}, Keying::Transparent, {"######", "##cd##", "###h##", "######"}},
      {"a frame larger than the rectangle reaches past it",
       RECT{3, 2, 4, 3},
       Keying::Opaque,
       {"######", "######", "###cd#", "###Mh#"}},
  };
  for (const Case& c : cases) {
    fw::TBitmap target = BlankTarget(6, 4);
    skin::DrawFrameCentered(target.DC(), c.rect, bitmap, c.keying, 2, 2);
    EXPECT_EQ(ToPicture(target), c.expected) << c.what;
  }
}

TEST(FrameRoutines, DrawFrameThreePartStretchesTheMiddleOrTheWholeFrame) {
  struct Case {
    const char* what;
    Picture bitmap;
    FrameStrip strip;
    RECT rect;
    Picture expected;
  };
  const Case cases[] = {
      {"three columns", {"abcdefgh"}, FrameStrip::SideBySide, RECT{0, 0, 6, 2}, {"effggh", "effggh"}},
      {"three columns, frames stacked", {"abcd", "efgh"}, FrameStrip::Stacked, RECT{0, 0, 6, 2}, {"effggh", "effggh"}},
      {"narrower than a frame: the whole frame squeezed in",
       {"aabbeeff"},
       FrameStrip::SideBySide,
       RECT{0, 0, 2, 2},
       {"ef####", "ef####"}},
  };
  for (const Case& c : cases) {
    fw::TBitmap target = BlankTarget(6, 2);
    skin::DrawFrameThreePart(target.DC(), c.rect, FromPicture(c.bitmap), c.strip, 2, 2, 1, 1);
    EXPECT_EQ(ToPicture(target), c.expected) << c.what;
  }
}

TEST(FrameRoutines, TileFrameHorzRepeatsTheMiddleAndCoversTheOverflowWithTheRightPart) {
  struct Case {
    const char* what;
    Picture frame;
    FrameMargins margins;
    Keying keying;
    int width;
    Picture expected;
  };
  const Case cases[] = {
      {"middle repeated", {"abcde"}, {1, 0, 2, 0}, Keying::Opaque, 8, {"abcbcbde", "abcbcbde"}},
      {"keyed", {"aMcde"}, {1, 0, 2, 0}, Keying::Transparent, 8, {"a#c#c#de", "a#c#c#de"}},
      {"no middle: the frame stretched whole", {"abcd"}, {2, 0, 2, 0}, Keying::Opaque, 8, {"aabbccdd", "aabbccdd"}},
      {"margins wider than the frame: stretched whole",
       {"abcd"},
       {3, 0, 3, 0},
       Keying::Opaque,
       8,
       {"aabbccdd", "aabbccdd"}},
      {"narrower than the margins: the right part wins",
       {"abcde"},
       {1, 0, 2, 0},
       Keying::Opaque,
       2,
       {"de######", "de######"}},
  };
  for (const Case& c : cases) {
    fw::TBitmap target = BlankTarget(8, 2);
    skin::TileFrameHorz(target.Canvas(), RECT{0, 0, c.width, 2}, FromPicture(c.frame), FrameStrip::SideBySide, c.keying,
                        1, 1, c.margins);
    EXPECT_EQ(ToPicture(target), c.expected) << c.what;
  }
}

TEST(FrameRoutines, TileRectRepeatsFromTheTopLeftAndReachesPastTheEdges) {
  const fw::TBitmap bitmap = FromPicture({"abc", "def"});
  fw::TBitmap target = BlankTarget(7, 5);
  skin::TileRect(target.Canvas(), RECT{1, 1, 6, 4}, bitmap, RECT{1, 0, 3, 2});
  const Picture expected = {"#######", "#bcbcbc", "#efefef", "#bcbcbc", "#efefef"};
  EXPECT_EQ(ToPicture(target), expected);
}

TEST(FrameRoutines, TileRectUnderAClipKeepsTheTilesAlignedWithTheDestination) {
  const fw::TBitmap bitmap = FromPicture({"abc", "def"});
  fw::TBitmap target = BlankTarget(7, 5);
  IntersectClipRect(target.DC(), 4, 2, 7, 5);
  skin::TileRect(target.Canvas(), RECT{1, 1, 6, 4}, bitmap, RECT{1, 0, 3, 2});
  SelectClipRgn(target.DC(), nullptr);
  const Picture expected = {"#######", "#######", "####fef", "####cbc", "####fef"};
  EXPECT_EQ(ToPicture(target), expected);
}

TEST(FrameRoutines, TileRectOfAHugeDestinationMakesOnlyTheTilesTheDcCanShow) {
  const fw::TBitmap bitmap = FromPicture({"abc", "def"});
  fw::TBitmap target = BlankTarget(5, 3);
  // Tiles for all of it would take gigabytes.
  skin::TileRect(target.Canvas(), RECT{-40001, -30000, 40000, 30000}, bitmap, RECT{0, 0, 2, 2});
  const Picture expected = {"babab", "edede", "babab"};
  EXPECT_EQ(ToPicture(target), expected);
}

TEST(FrameRoutines, TileRectOfAnEmptySourceDrawsNothing) {
  const fw::TBitmap bitmap = FromPicture({"abc", "def"});
  fw::TBitmap target = BlankTarget(4, 4);
  skin::TileRect(target.Canvas(), RECT{0, 0, 4, 4}, bitmap, RECT{1, 0, 1, 2});
  skin::TileRect(target.Canvas(), RECT{0, 0, 4, 4}, bitmap, RECT{2, 1, 0, 0});
  EXPECT_EQ(ToPicture(target), paint_test::Blank(4, 4));
}

TEST(FrameRoutines, KeyedAndMaskedFramesLeaveMagentaTransparentWhateverTheFamily) {
  const fw::TBitmap bitmap = FromPicture({"aMMb"});  // frame 2 is "Mb"
  const Picture expected = {"#####bb", "#####bb"};
  using Routine = std::function<void(fw::TBitmap&, const RECT&)>;
  struct Case {
    const char* what;
    Routine draw;
  };
  const Case cases[] = {
      {"DrawFrameKeyed",
       [&](fw::TBitmap& target, const RECT& r) { skin::DrawFrameKeyed(target.Canvas(), r, 2, 2, bitmap); }},
      {"DrawFrameKeyedDC",
       [&](fw::TBitmap& target, const RECT& r) { skin::DrawFrameKeyedDC(target.DC(), r, 2, 2, bitmap); }},
      {"DrawFrameMasked",
       [&](fw::TBitmap& target, const RECT& r) { skin::DrawFrameMasked(target.DC(), r, 2, 2, bitmap); }},
  };
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    for (const Case& c : cases) {
      fw::TBitmap target = BlankTarget(7, 2);
      c.draw(target, RECT{3, 0, 7, 2});
      EXPECT_EQ(ToPicture(target), expected) << c.what << ", " << paint_test::FamilyName(family);
    }
  }
}

TEST(FrameRoutines, InvertedRectanglesAndMissingFramesDrawNothing) {
  const fw::TBitmap bitmap = FromPicture({"abcd", "efgh"});
  const FrameMargins margins{1, 1, 1, 1};
  using Routine = std::function<void(fw::TBitmap&, const RECT&, int frame)>;
  struct Routines {
    const char* name;
    Routine draw;
  };
  const Routines routines[] = {
      {"DrawSkinFrame",
       [&](fw::TBitmap& t, const RECT& r, int f) {
         skin::DrawSkinFrame(t.DC(), r, bitmap, FrameStrip::SideBySide, skin::CentreFill::Tile, Keying::Transparent, 2,
                             f, margins);
       }},
      {"DrawSkinElement",
       [&](fw::TBitmap& t, const RECT& r, int f) {
         skin::DrawSkinElement(t.DC(), r, 2, f, skin::SkinElementImage{&bitmap, margins, 1, 1});
       }},
      {"DrawFrameStretched", [&](fw::TBitmap& t, const RECT& r,
                                 int f) { skin::DrawFrameStretched(t.DC(), r, bitmap, Keying::Opaque, 2, f); }},
      {"DrawFrameCentered",
       [&](fw::TBitmap& t, const RECT& r, int f) { skin::DrawFrameCentered(t.DC(), r, bitmap, Keying::Opaque, 2, f); }},
      {"DrawFrameThreePart",
       [&](fw::TBitmap& t, const RECT& r, int f) {
         skin::DrawFrameThreePart(t.DC(), r, bitmap, FrameStrip::SideBySide, 2, f, 1, 1);
       }},
      {"TileFrameHorz",
       [&](fw::TBitmap& t, const RECT& r, int f) {
         skin::TileFrameHorz(t.Canvas(), r, bitmap, FrameStrip::SideBySide, Keying::Opaque, 2, f, margins);
       }},
      {"DrawFrameKeyed",
       [&](fw::TBitmap& t, const RECT& r, int f) { skin::DrawFrameKeyed(t.Canvas(), r, 2, f, bitmap); }},
      {"DrawFrameKeyedDC",
       [&](fw::TBitmap& t, const RECT& r, int f) { skin::DrawFrameKeyedDC(t.DC(), r, 2, f, bitmap); }},
      {"DrawFrameMasked",
       [&](fw::TBitmap& t, const RECT& r, int f) { skin::DrawFrameMasked(t.DC(), r, 2, f, bitmap); }},
      {"DrawTransparent",
       [&](fw::TBitmap& t, const RECT& r, int f) {
         if (f == 1) skin::DrawTransparent(t.DC(), r, bitmap, paint_test::kMagenta);
       }},
  };
  struct Case {
    const char* what;
    RECT rect;
    int frame;
  };
  const Case cases[] = {
      {"right before left", RECT{4, 0, 1, 4}, 1},    {"bottom above top", RECT{0, 4, 4, 1}, 1},
      {"both inverted", RECT{4, 4, 0, 0}, 1},        {"frame 0", RECT{0, 0, 4, 4}, 0},
      {"frame past the count", RECT{0, 0, 4, 4}, 3},
  };
  for (const Routines& routine : routines) {
    for (const Case& c : cases) {
      fw::TBitmap target = BlankTarget(5, 5);
      routine.draw(target, c.rect, c.frame);
      EXPECT_EQ(ToPicture(target), paint_test::Blank(5, 5)) << routine.name << ": " << c.what;
    }
  }
}

}  // namespace
