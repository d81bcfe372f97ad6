// The group box skinner: a thin rounded frame in the skin's ButtonShadow with the caption over
// it, for framework group boxes and radio groups (painted wholly here) and for bare group box
// windows (painted over after their own painting).
#pragma once

#include "skin/controls/skin_control.h"

namespace skin {

// Where a group box puts its frame and caption in a window of `size`.
struct GroupBoxLayout {
  RECT Frame{};     // the rounded rectangle
  RECT Caption{};   // the rectangle the caption is drawn into
  UINT Format = 0;  // DrawText flags of the caption
};
// `textHeight` is the height of "0" in the caption font; `rightAligned` the window's WS_EX_RIGHT.
[[nodiscard]] GroupBoxLayout LayoutGroupBox(SIZE size, int textHeight, bool rightAligned);

class TSkinGroupBox : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  // FKind is 1 for a framework control, 0 for a bare window.
  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  // The rounded frame and the caption; the DC's colours, pen and font are put back.
  void DrawFrameAndCaption(HDC dc, const RECT& rect);
};

}  // namespace skin
