#include "skin/controls/scroll_bar_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace skin {
namespace {

constexpr int kArrow = 16;

TEST(ScrollBarParts, PartsFollowTheScrollCodesAlongTheBar) {
  const ThumbSpan thumb{40, 60};
  struct Case {
    int position;
    int part;
  } const cases[] = {{0, SB_LINEUP},      {15, SB_LINEUP},     {16, SB_PAGEUP},   {39, SB_PAGEUP},
                     {40, SB_THUMBTRACK}, {59, SB_THUMBTRACK}, {60, SB_PAGEDOWN}, {183, SB_PAGEDOWN},
                     {184, SB_LINEDOWN},  {199, SB_LINEDOWN}};
  for (const Case& c : cases) EXPECT_EQ(BarPartAt(c.position, kArrow, thumb, 200), c.part) << c.position;
}

TEST(ScrollBarParts, BarShorterThanTwoArrowsGetsTwoHalfLengthArrows) {
  EXPECT_EQ(ArrowLength(200, kArrow), kArrow);
  EXPECT_EQ(ArrowLength(32, kArrow), kArrow);
  EXPECT_EQ(ArrowLength(31, kArrow), 15);
  EXPECT_EQ(ArrowLength(10, kArrow), 5);
  EXPECT_EQ(ArrowLength(0, kArrow), 0);
  EXPECT_EQ(ArrowLength(-4, kArrow), 0) << "a control resized below nothing";
}

TEST(ScrollBarControlThumb, PlacedByRangePageAndPosition) {
  struct Case {
    const char* name;
    int length;
    ControlScroll scroll;
    ThumbSpan thumb;
  } const cases[] = {
      {"page at the start", 232, {0, 100, 50, 0}, {16, 16 + 98}},
      {"page halfway", 232, {0, 100, 50, 50}, {16 + 100, 16 + 100 + 98}},
      {"small page gets 8 pixels", 232, {0, 1000, 2, 0}, {16, 24}},
      {"small page at the end", 232, {0, 1000, 2, 1000}, {16 + 192, 16 + 200}},
      {"no page: an arrow-long thumb", 232, {0, 100, 0, 50}, {16 + 92, 16 + 92 + 16}},
      {"range 0", 232, {5, 5, 0, 5}, {16, 32}},
      {"range 2^31-1", 232, {0, INT_MAX, 1000, INT_MAX / 2}, {16 + 95, 16 + 95 + 8}},
      {"full int range", 232, {INT_MIN, INT_MAX, 0, 0}, {16 + 92, 16 + 92 + 16}},
      {"page larger than the range", 232, {0, 10, 50, 3}, {16, 216}},
      {"bar shorter than two arrows", 20, {0, 100, 10, 50}, {16, 16}},
      {"bar of nothing", 0, {0, 100, 10, 50}, {16, 16}},
  };
  for (const Case& c : cases) {
    const ThumbSpan got = ControlThumb(c.length, kArrow, c.scroll);
    EXPECT_EQ(got.start, c.thumb.start) << c.name;
    EXPECT_EQ(got.end, c.thumb.end) << c.name;
  }
}

TEST(ScrollBarControlThumb, NeverShorterThanEightPixelsWithAPageOnARoomyBar) {
  for (int max = 1; max < 100000; max = max * 3 + 1) {
    for (const int position : {0, max / 2, max}) {
      const ThumbSpan thumb = ControlThumb(300, kArrow, {0, max, 1, position});
      EXPECT_GE(thumb.end - thumb.start, kMinThumbLength) << max << " " << position;
      EXPECT_GE(thumb.start, kArrow);
      EXPECT_LE(thumb.end, 300 - kArrow);
    }
  }
}

TEST(ScrollBarThumbDrag, ClampedBetweenTheArrows) {
  EXPECT_EQ(DraggedThumbStart(50, 10, 20, 200, kArrow), 60);
  EXPECT_EQ(DraggedThumbStart(50, -100, 20, 200, kArrow), kArrow);
  EXPECT_EQ(DraggedThumbStart(50, 500, 20, 200, kArrow), 200 - kArrow - 20);
  EXPECT_EQ(DraggedThumbStart(20, 0, 200, 100, kArrow), kArrow) << "a thumb longer than the track stays at the start";
}

TEST(ScrollBarThumbDrag, FollowsTheCursorOnlyNearTheBar) {
  const RECT bar{100, 50, 117, 250};
  EXPECT_TRUE(NearBar(bar, {108, 150}, true));
  EXPECT_TRUE(NearBar(bar, {108, 250 + 33}, true)) << "two thicknesses beyond the end";
  EXPECT_FALSE(NearBar(bar, {108, 250 + 34}, true));
  EXPECT_TRUE(NearBar(bar, {100 - 136, 150}, true)) << "eight thicknesses beside it";
  EXPECT_FALSE(NearBar(bar, {100 - 137, 150}, true));
  const RECT horizontal{50, 100, 250, 117};
  EXPECT_FALSE(NearBar(horizontal, {150, 100 - 137}, false));
  EXPECT_TRUE(NearBar(horizontal, {250 + 33, 108}, false));
}

// The positions of a dragged thumb as Wine's own tracking gave them for a combo box list of 100
// items, 10 a page, on a bar 160 long with 17-pixel arrows (track 126, thumb 13): offset -> top.
TEST(ScrollBarTrackedPosition, ReadsADraggedThumbAsTheSystemDoes) {
  const ControlScroll list{0, 99, 10, 0};
  const int measured[][2] = {{0, 0},   {3, 2},   {6, 5},   {9, 7},    {12, 10},  {15, 12},
                             {57, 45}, {60, 48}, {63, 50}, {111, 88}, {113, 90}, {114, 90}};
  for (const auto& [offset, top] : measured) EXPECT_EQ(TrackedPosition(offset, 126, 13, list), top) << offset;
  EXPECT_EQ(TrackedPosition(-40, 126, 13, list), 0) << "before the track: the first position";
  EXPECT_EQ(TrackedPosition(5000, 126, 13, list), 90) << "past it: the last page";
}

TEST(ScrollBarTrackedPosition, StaysInsideTheRangeForAnyRangePageAndLength) {
  struct Case {
    const char* name;
    int track, thumb;
    ControlScroll scroll;
    int offset, expected;
  } const cases[] = {
      {"range 0", 126, 13, {0, 0, 0, 0}, 60, 0},
      {"page larger than the range", 126, 13, {0, 10, 50, 0}, 60, 0},
      {"no page: min to max", 100, 17, {0, 83, 0, 0}, 83, 83},
      {"no page, halfway", 100, 17, {0, 83, 0, 0}, 41, 41},
      {"thumb as long as the track", 40, 40, {0, 100, 10, 0}, 20, 0},
      {"bar shorter than two arrows", -10, 8, {0, 100, 10, 0}, 5, 0},
      {"offset minimum", 126, 13, {5, 104, 10, 5}, 0, 5},
      {"huge range", 200, 8, {0, 0x7FFFFFFF, 1000, 0}, 192, 0x7FFFFFFF - 999},
      {"negative minimum", 120, 20, {-50, 49, 0, 0}, 100, 49},
  };
  for (const Case& c : cases) EXPECT_EQ(TrackedPosition(c.offset, c.track, c.thumb, c.scroll), c.expected) << c.name;
}

TEST(ScrollBarGrip, CentredOnTheThumbAndLeftOutOnAShortOne) {
  EXPECT_EQ(GripOffset({16, 66}, 16), 17);
  EXPECT_EQ(GripOffset({16, 31}, 16), 0) << "grip + 1 = thumb length: drawn";
  EXPECT_EQ(GripOffset({16, 30}, 16), -1) << "thumb no longer than the grip: no grip";
  EXPECT_EQ(GripOffset({16, 24}, 16), -1);
}

}  // namespace
}  // namespace skin
