// The status bar skinner: the bar composed off-screen on the skin's face colour, each panel on its
// "StatusBarEdges" frame (lowered, raised or flat) with its text, the size grip from
// "ExtraImages".
#pragma once

#include <string>
#include <vector>

#include "skin/controls/header_skinner.h"
#include "skin/controls/skin_control.h"

namespace skin {

// Frames of "StatusBarEdges".
inline constexpr int kBevelLowered = 1;
inline constexpr int kBevelRaised = 2;
inline constexpr int kBevelNone = 3;

// One panel as the skinner draws it.
struct StatusPanelView {
  RECT Rect{};
  std::wstring Text;
  TextAlign Align = TextAlign::Left;
  int Bevel = kBevelLowered;
  bool OwnerDrawn = false;
};

// The panels of a status bar window `barWidth` wide: in simple mode (or with no panels) one
// lowered panel across the bar holding the simple text; otherwise each panel whose rectangle the
// bar gives, that rectangle 2 pixels wider on the right and the last one reaching the bar's end.
// Texts, alignments and bevels come from the framework control when there is one.
[[nodiscard]] std::vector<StatusPanelView> StatusBarPanels(HWND statusBar, const fw::TControl* control, int barWidth);

// The text in the rectangle, vertically centred one pixel high, centred horizontally with DT_CENTER
// or across the rectangle's width otherwise; transparent, plain style.
void DrawPanelText(const TSkinControl& skinner, HDC dc, const RECT& rect, UINT alignFlag, std::wstring_view text);

class TSkinStatusBar : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  void DrawPanel(HDC dc, const RECT& rect, int bevel) const;
};

}  // namespace skin
