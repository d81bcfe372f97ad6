// The parts the painters cut a skin frame into, checked against rectangles worked out by hand.
#include <gtest/gtest.h>

#include <vector>

#include "skin/paint/nine_slice.h"

namespace skin {
// Failing comparisons print the parts.
inline std::ostream& operator<<(std::ostream& out, const SlicePart& part) {
  static const char* const kFills[] = {"stretch", "tile", "repeat across"};
  return out << part.Target << " <- " << part.Source << " " << kFills[static_cast<int>(part.Fill)];
}
}  // namespace skin

namespace {

using skin::CentreFill;
using skin::FrameMargins;
using skin::FrameRect;
using skin::FrameStrip;
using skin::PartFill;
using skin::Rect;
using skin::Size;
using skin::SliceList;
using skin::SlicePart;

std::vector<SlicePart> Parts(const SliceList& list) { return {list.begin(), list.end()}; }

TEST(SliceParts, FrameRectCutsSideBySideAndStackedFrames) {
  struct Case {
    Size bitmap;
    FrameStrip strip;
    int count, index;
    Rect expected;
  };
  const Case cases[] = {
      {{15, 4}, FrameStrip::SideBySide, 3, 1, {0, 0, 5, 4}},
      {{15, 4}, FrameStrip::SideBySide, 3, 3, {10, 0, 15, 4}},
      {{16, 4}, FrameStrip::SideBySide, 3, 3, {10, 0, 15, 4}},  // the spare column is unused
      {{5, 12}, FrameStrip::Stacked, 3, 2, {0, 4, 5, 8}},
      {{15, 4}, FrameStrip::SideBySide, 3, 0, {}},  // frames count from 1
      {{15, 4}, FrameStrip::SideBySide, 3, 4, {}},
      {{15, 4}, FrameStrip::SideBySide, 0, 1, {}},
      {{2, 4}, FrameStrip::SideBySide, 3, 1, {}},  // too narrow for three frames
      {{15, 0}, FrameStrip::SideBySide, 3, 1, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameRect(c.bitmap, c.strip, c.count, c.index), c.expected)
        << c.bitmap << " " << c.count << "/" << c.index;
}

TEST(SliceParts, NineSlicesKeepTheCornersAndPaintTheCentreBeforeTheRightAndBottom) {
  // Frame 2 of a 5×4 strip of frames (at x = 5), margins left 1, top 1, right 2, bottom 1, into
  // a 9×6 target.
  const Rect frame{5, 0, 10, 4};
  const std::vector<SlicePart> expected = {
      {{0, 0, 1, 1}, {5, 0, 6, 1}},   // top-left
      {{0, 5, 1, 6}, {5, 3, 6, 4}},   // bottom-left
      {{7, 0, 9, 1}, {8, 0, 10, 1}},  // top-right
      {{0, 1, 1, 5}, {5, 1, 6, 3}},   // left edge
      {{1, 0, 7, 1}, {6, 0, 8, 1}},   // top edge
      {{1, 1, 7, 5}, {6, 1, 8, 3}},   // centre
      {{7, 5, 9, 6}, {8, 3, 10, 4}},  // bottom-right
      {{7, 1, 9, 5}, {8, 1, 10, 3}},  // right edge
      {{1, 5, 7, 6}, {6, 3, 8, 4}},   // bottom edge
  };
  EXPECT_EQ(Parts(skin::NineSliceParts({9, 6}, frame, {1, 1, 2, 1}, CentreFill::Stretch)), expected);

  std::vector<SlicePart> tiled = expected;
  tiled[5].Fill = PartFill::Tile;
  EXPECT_EQ(Parts(skin::NineSliceParts({9, 6}, frame, {1, 1, 2, 1}, CentreFill::Tile)), tiled);
}

TEST(SliceParts, MarginsThatDoNotFitAreDroppedAndPartsWithoutAreaLeftOut) {
  const Rect frame{0, 0, 3, 3};
  struct Case {
    const char* what;
    Size target;
    FrameMargins margins;
    std::vector<SlicePart> expected;
  };
  const Case cases[] = {
      {"narrower than both side margins: only top and bottom stay",
       {3, 5},
       {2, 1, 2, 1},
       {{{0, 0, 3, 1}, {0, 0, 3, 1}}, {{0, 1, 3, 4}, {0, 1, 3, 2}}, {{0, 4, 3, 5}, {0, 2, 3, 3}}}},
      {"shorter than top and bottom: only the sides stay",
       {5, 3},
       {1, 2, 1, 2},
       {{{0, 0, 1, 3}, {0, 0, 1, 3}}, {{1, 0, 4, 3}, {1, 0, 2, 3}}, {{4, 0, 5, 3}, {2, 0, 3, 3}}}},
      {"negative margins count as none", {4, 4}, {-1, -1, -1, -1}, {{{0, 0, 4, 4}, {0, 0, 3, 3}}}},
      {"margins as large as the frame leave no centre to take from",
       {6, 6},
       {3, 0, 0, 0},
       {{{0, 0, 3, 6}, {0, 0, 3, 3}}}},
      {"no target", {0, 4}, {1, 1, 1, 1}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Parts(skin::NineSliceParts(c.target, frame, c.margins, CentreFill::Stretch)), c.expected) << c.what;
  EXPECT_EQ(skin::NineSliceParts({4, 4}, Rect{}, {}, CentreFill::Stretch).size(), 0u) << "no frame";
}

TEST(SliceParts, ThreeColumnsOrTheWholeFrameSqueezed) {
  const Rect frame{4, 0, 8, 2};  // frame 2 of 4-pixel frames
  const std::vector<SlicePart> columns = {
      {{0, 0, 1, 6}, {4, 0, 5, 2}}, {{1, 0, 5, 6}, {5, 0, 7, 2}}, {{5, 0, 6, 6}, {7, 0, 8, 2}}};
  EXPECT_EQ(Parts(skin::ThreeColumnParts({6, 6}, frame, 1, 1)), columns);
  EXPECT_EQ(Parts(skin::ThreeColumnParts({3, 6}, frame, 1, 1)), (std::vector<SlicePart>{{{0, 0, 3, 6}, {4, 0, 8, 2}}}))
      << "narrower than one frame";
  EXPECT_EQ(Parts(skin::ThreeColumnParts({6, 6}, frame, 9, -2)), (std::vector<SlicePart>{{{0, 0, 4, 6}, {4, 0, 8, 2}}}))
      << "widths held within the frame";
}

TEST(SliceParts, RepeatedMiddleBetweenTheEndsOrTheWholeFrameStretched) {
  const Rect frame{0, 0, 5, 2};
  EXPECT_EQ(Parts(skin::RepeatedMiddleParts({8, 3}, frame, {1, 0, 2, 0})),
            (std::vector<SlicePart>{{{0, 0, 1, 3}, {0, 0, 1, 2}},
                                    {{1, 0, 6, 3}, {1, 0, 3, 2}, PartFill::RepeatAcross},
                                    {{6, 0, 8, 3}, {3, 0, 5, 2}}}));
  EXPECT_EQ(Parts(skin::RepeatedMiddleParts({2, 3}, frame, {1, 0, 2, 0})),
            (std::vector<SlicePart>{{{0, 0, 1, 3}, {0, 0, 1, 2}}, {{0, 0, 2, 3}, {3, 0, 5, 2}}}))
      << "narrower than the ends: no middle, the right part last";
  EXPECT_EQ(Parts(skin::RepeatedMiddleParts({8, 3}, frame, {3, 0, 2, 0})),
            (std::vector<SlicePart>{{{0, 0, 8, 3}, {0, 0, 5, 2}}}))
      << "margins leave no middle";
}

}  // namespace
