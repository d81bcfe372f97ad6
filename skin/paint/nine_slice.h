// How the painters cut one state frame out of a skin bitmap and split it into the parts they copy
// into a target: nine slices with fixed corners (StretchFrame), three columns
// (DrawFrameThreePart) and a repeated middle (TileFrameHorz). Arithmetic on rectangles only; the
// painters in skin_paint.cpp do the copying.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "skin/paint/plane.h"

namespace skin {

// How a bitmap holds its frames: side by side (frame i starts at x = (i - 1) × (width div N)) or
// stacked (at y = (i - 1) × (height div N)).
enum class FrameStrip { SideBySide, Stacked };
// How the centre of a nine-sliced frame fills its space.
enum class CentreFill { Stretch, Tile };

// The fixed borders of a frame, in pixels of the frame, in the order the element records keep
// them: left, top, right, bottom.
struct FrameMargins {
  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
};

// Frame `index` (from 1) of `count` frames of a bitmap of the given size; empty when the bitmap
// holds no such frame (a count below 1, an index outside 1..count, or frames without area).
[[nodiscard]] Rect FrameRect(Size bitmap, FrameStrip strip, int count, int index);

// How one part fills its place in the target.
enum class PartFill : uint8_t {
  Stretch,       // the source stretched onto the target part
  Tile,          // the source repeated unscaled from the part's top-left corner, column by column
  RepeatAcross,  // the source stretched to the part's height, then repeated to the right; the last
                 // copy may reach past the part's right edge
};

// One part: where it comes from in the bitmap and where it lands in the target, whose top-left
// corner is (0, 0).
struct SlicePart {
  Rect Target;
  Rect Source;
  PartFill Fill = PartFill::Stretch;
  friend bool operator==(const SlicePart&, const SlicePart&) = default;
};

// The parts of one frame in painting order; a later part covers an earlier one where they meet.
// Parts without area in the target or the source are left out.
class SliceList {
 public:
  static constexpr size_t kCapacity = 9;
  void Add(const SlicePart& part);
  [[nodiscard]] const SlicePart* begin() const { return parts_.data(); }
  [[nodiscard]] const SlicePart* end() const { return parts_.data() + count_; }
  [[nodiscard]] size_t size() const { return count_; }
  [[nodiscard]] const SlicePart& operator[](size_t i) const { return parts_[i]; }

 private:
  std::array<SlicePart, kCapacity> parts_{};
  size_t count_ = 0;
};

// The frame nine-sliced onto a target of the given size: the four corners copied, the edges
// stretched along their length, the centre stretched or tiled. Negative margins count as 0;
// left and right margins are dropped when the target is narrower than both together, top and
// bottom when it is shorter. Painting order: top-left, bottom-left and top-right corner, left and
// top edge, centre, bottom-right corner, right and bottom edge, so that the parts after the
// centre cover whatever its tiles drew past it.
[[nodiscard]] SliceList NineSliceParts(Size target, const Rect& frame, const FrameMargins& margins, CentreFill centre);

// The frame in three columns: the left part (left_width wide), the middle stretched across, the
// right part (right_width wide) at the right edge, all stretched to the target's height; the
// widths are held within the frame. A target narrower than the frame gets the whole frame
// stretched into it instead.
[[nodiscard]] SliceList ThreeColumnParts(Size target, const Rect& frame, int left_width, int right_width);

// The frame's left part (LeftWidth wide), then its middle repeated from x = LeftWidth while
// x < width - RightWidth, then its right part (RightWidth wide) at the right edge, each stretched
// to the target's height; top and bottom margins are unused. A frame whose margins leave no
// middle is stretched whole across the target instead.
[[nodiscard]] SliceList RepeatedMiddleParts(Size target, const Rect& frame, const FrameMargins& margins);

}  // namespace skin
