// Composing one scroll bar from the skin's "Scrollbar", track and thumb elements: shared by the
// drawn bar windows that lie over a control's bars and by the combo box list's bar, which is
// painted straight into the list's non-client area.
#pragma once

#include <windows.h>

#include "skin/controls/scroll_bar_geometry.h"
#include "skin/core/skin_data.h"

namespace skin {

// Everything a painted bar shows, in the bar's own coordinates (its top-left at 0, 0).
struct BarPicture {
  int width = 0;
  int height = 0;
  bool vertical = true;
  bool enabled = true;
  ThumbSpan thumb;
  int hotPart = kNoPart;  // drawn hot, or pressed while `tracking`
  bool tracking = false;
  int arrowSize = 0;
};

// True when the skin can draw scroll bars at all (its "Scrollbar" element has a bitmap).
[[nodiscard]] bool CanDrawScrollBars(const TSkinData* data);

// The thickness the arrows and thumb are drawn with: the "Scrollbar" bitmap's height, or the arrow
// size when the two differ by more than 2 pixels.
[[nodiscard]] int BarThickness(const TSkinData& data, int arrowSize);

// Composes the bar off-screen (filled with ButtonFace, the track, both arrows, the thumb and its
// grip) and copies it to `dc` at `at` in one blit, stretched to `stretchTo` when that is not empty.
// Nothing is drawn without the "Scrollbar" image or when the bar has no size.
void PaintBarPicture(HDC dc, POINT at, const TSkinData& data, const BarPicture& picture, SIZE stretchTo = {});

}  // namespace skin
