// The skinners of plain surfaces: panels (TSkinBox) take the skin's face colour, the system's
// dialogs and tool bars (TSkinBoxH) erase with it, and size grips (TSkinSizer) are filled with it.
#pragma once

#include "skin/controls/skin_control.h"

namespace skin {

// Recolours a framework panel: attached with setColor, the panel's Color is the skin's
// ButtonFace while skinned and its own again at Unskin. It never replaces the panel's window
// method: the colour swap is its whole effect.
class TSkinBox : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  void Unskin() override;
  void AfterMessage(fw::TMessage& message) override;
};

// A bare dialog or tool-bar window: its background and its scroll bars' background are the
// skin's face colour.
class TSkinBoxH : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(fw::TMessage& message) override;
};

// A size box or size grip scroll bar, filled with the skin's face colour.
class TSkinSizer : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  void DrawControl(HDC dc, const RECT& rect) override;
};

}  // namespace skin
