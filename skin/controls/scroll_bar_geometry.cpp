#include "skin/controls/scroll_bar_geometry.h"

#include <algorithm>
#include <cstdint>

namespace skin {

namespace {
// a * b / c in 64 bits (ranges near 2^31 overflow 32-bit products), truncated toward zero.
int ScaledBy(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return 0;
  return static_cast<int>(std::clamp<int64_t>(a * b / c, INT32_MIN, INT32_MAX));
}
}  // namespace

int BarPartAt(int position, int arrow, ThumbSpan thumb, int length) {
  if (position < arrow) return kFirstArrow;
  if (position < thumb.start) return kTrackBefore;
  if (position < thumb.end) return kThumb;
  if (position < length - arrow) return kTrackAfter;
  return kSecondArrow;
}

int ArrowLength(int length, int arrow) { return length < 2 * arrow ? std::max(length, 0) / 2 : arrow; }

ThumbSpan ControlThumb(int length, int arrow, const ControlScroll& scroll) {
  int64_t range = static_cast<int64_t>(scroll.max) - scroll.min;
  if (range <= 0) range = 9999999;
  const int64_t offset = std::max<int64_t>(static_cast<int64_t>(scroll.position) - scroll.min, 0);
  const int inner = std::max(length - 2 * arrow, 0);
  int thumbLength = 0;
  int start = arrow;
  if (scroll.page > 0) {
    thumbLength = ScaledBy(inner, static_cast<int64_t>(scroll.page) - 1, range);
    if (thumbLength > kMinThumbLength - 1) {
      if (offset != 0) start = ScaledBy(inner, offset, range) + arrow;
    } else {
      thumbLength = kMinThumbLength;
      if (offset != 0) start = ScaledBy(inner - kMinThumbLength, offset, range) + arrow;
    }
  } else {
    thumbLength = arrow;
    if (offset != 0) start = ScaledBy(length - 3 * arrow, offset, range) + arrow;
  }
  // A page larger than the range, or a bar too short for its arrows, still keeps the thumb on the
  // track.
  thumbLength = std::min(thumbLength, inner);
  start = std::clamp(start, arrow, std::max(arrow, length - arrow - thumbLength));
  return {start, start + thumbLength};
}

int DraggedThumbStart(int startAtPress, int travel, int thumbLength, int length, int arrow) {
  const int start = startAtPress + travel;
  return std::max(std::min(start, length - arrow - thumbLength), arrow);
}

int TrackedPosition(int offset, int track, int thumbLength, const ControlScroll& scroll) {
  const int64_t free = static_cast<int64_t>(track) - thumbLength;
  int64_t range = static_cast<int64_t>(scroll.max) - scroll.min;
  if (scroll.page > 0) range -= static_cast<int64_t>(scroll.page) - 1;
  if (free <= 0 || range <= 0) return scroll.min;
  const int64_t d = std::clamp<int64_t>(offset, 0, free);
  // Rounded to the nearest position, as the system's MulDiv rounds.
  const int64_t steps = (2 * d * range + free) / (2 * free);
  return static_cast<int>(std::clamp<int64_t>(scroll.min + steps, INT32_MIN, INT32_MAX));
}

bool NearBar(const RECT& bar, POINT cursor, bool vertical) {
  RECT zone = bar;
  if (vertical) {
    const int thickness = bar.right - bar.left;
    InflateRect(&zone, thickness * 8, thickness * 2);
  } else {
    const int thickness = bar.bottom - bar.top;
    InflateRect(&zone, thickness * 2, thickness * 8);
  }
  return PtInRect(&zone, cursor) != FALSE;
}

int GripOffset(ThumbSpan thumb, int grip) {
  const int n = thumb.end - thumb.start;
  if (grip >= n + 2) return -1;
  return (n - grip) / 2;
}

}  // namespace skin
