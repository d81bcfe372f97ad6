// Where the parts of a drawn scroll bar lie: arrows, track and thumb along the bar's axis. Pure
// arithmetic, shared by painting, hit testing and thumb dragging, so that all three read a bar
// the same way.
#pragma once

#include <windows.h>

namespace skin {

// Bar parts, numbered with the system's scroll codes so that a part under the mouse and the code
// of a scroll message compare directly.
inline constexpr int kNoPart = -1;
inline constexpr int kFirstArrow = SB_LINEUP;     // 0
inline constexpr int kSecondArrow = SB_LINEDOWN;  // 1
inline constexpr int kTrackBefore = SB_PAGEUP;    // 2
inline constexpr int kTrackAfter = SB_PAGEDOWN;   // 3
inline constexpr int kThumb = SB_THUMBTRACK;      // 5

// A scroll bar control's thumb is never shorter than this when it has a page.
inline constexpr int kMinThumbLength = 8;

// Thumb extent along the bar, from the bar's start.
struct ThumbSpan {
  int start = 0;
  int end = 0;
};

// The part at `position` along a bar of `length` with arrows `arrow` long.
[[nodiscard]] int BarPartAt(int position, int arrow, ThumbSpan thumb, int length);

// The length of each arrow: `arrow`, or half the bar when the bar is shorter than two arrows.
[[nodiscard]] int ArrowLength(int length, int arrow);

// What a scroll bar control reports of its scrolling.
struct ControlScroll {
  int min = 0;
  int max = 0;
  unsigned page = 0;
  int position = 0;
};

// The thumb of a scroll bar control `length` long, computed from its range, page and position the
// way the system places it; always inside the track (between the arrows) and at least
// kMinThumbLength long with a page, whatever the range, page or length.
[[nodiscard]] ThumbSpan ControlThumb(int length, int arrow, const ControlScroll& scroll);

// The thumb start while it is dragged: the start at the press moved by the cursor's travel, kept
// between the arrows.
[[nodiscard]] int DraggedThumbStart(int startAtPress, int travel, int thumbLength, int length, int arrow);

// The position a thumb dragged `offset` pixels along a `track` (the bar between its arrows) stands
// for, as the system's own thumb tracking reads it: the track left beside the thumb spans the
// positions the thumb can take (min to max - page + 1 with a page, min to max without), rounded to
// the nearest one. Any offset, range, page or length gives a position inside them.
[[nodiscard]] int TrackedPosition(int offset, int track, int thumbLength, const ControlScroll& scroll);

// Whether a dragging cursor is near enough to the bar (screen rectangle) for the thumb to follow
// it: within two bar thicknesses beyond its ends and eight beside it. Further off, the system
// puts the thumb back where the press found it.
[[nodiscard]] bool NearBar(const RECT& bar, POINT cursor, bool vertical);

// The grip square (g long) centred on a thumb, as an offset from the thumb start; -1 when the thumb
// is too short to show it (g >= thumb length + 2).
[[nodiscard]] int GripOffset(ThumbSpan thumb, int grip);

}  // namespace skin
