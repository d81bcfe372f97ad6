// The vertical scroll bar of a combo box's drop-down list. The list is a pop-up window that holds
// the mouse while it is open, so no window can lie over its bar: the skinner paints the bar from
// the skin straight into the list's non-client area after the system has painted it, and drags
// the thumb with a loop of its own, so that the system never draws its thumb while it is dragged.
// Arrow and track presses stay the system's (repeat included); the bar is repainted after each
// scroll they make.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TComboxScrollBar : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  // Owner: the combo box control whose list this is (or nothing; then the creator frees it).
  explicit TComboxScrollBar(fw::TComponent* owner);
  ~TComboxScrollBar() override;

  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  // Paints the list's vertical bar into `dc`, the list's window DC.
  void DrawControl(HDC dc, const RECT& rect) override;

  // A press on the list's vertical thumb (WM_NCLBUTTONDOWN, screen point in lParam) is dragged
  // here until the button is released; false, with nothing done, for any other press.
  bool TrackThumb(const fw::TMessage& message);

  int FArrowSize = 0;  // SM_CXHSCROLL at construction: the arrows' length
  int FBarLength = 0;
  int FHotPart = kNoPart;  // the list's bar shows no part under the mouse: always kNoPart
  int FThumbStart = 0;
  int FThumbEnd = 0;
  POINT FDragCursor{};  // the cursor when the thumb was pressed
  int FDragThumb = 0;   // the thumb start then
  bool FTracking = false;

 private:
  [[nodiscard]] bool Drawable() const;
  [[nodiscard]] bool ReadBar(SCROLLBARINFO& bar) const;
  // Repaints the bar when the system moved, resized or disabled it since it was last painted: the
  // list redraws its own bar whenever it scrolls, whatever made it scroll.
  void RepaintIfChanged();
  // Scrolls the list to `position` with a WM_VSCROLL of `code`.
  void ScrollListTo(WORD code, int position);

  SCROLLBARINFO painted_{};  // the bar as it was last painted
  // False once this skinner is destroyed: the drag loop dispatches messages, and a handler may free
  // the combo box and its skinners while the loop still runs.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
