// The skinners of check boxes and radio buttons: the box or round button comes from the skin's
// check and radio images (frames side by side: unchecked, checked, unchecked disabled, checked
// disabled or indeterminate; longer 12- and 8-frame images are translated). A framework control
// is painted whole, caption included; a bare dialog window keeps its system drawing and only gets
// the skinned glyph painted over it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/controls/skin_control.h"

namespace skin {

// The frame of a check image for state number `state` (1 unchecked, 2 checked, 3 and 4 the
// disabled ones), translated for a 12-frame image; `indeterminate` picks 9 (12 disabled) there.
[[nodiscard]] int CheckImageFrame(int state, int frameCount, bool indeterminate, bool disabled);
// The same for a radio image and its 8-frame layout.
[[nodiscard]] int RadioImageFrame(int state, int frameCount);

class TSkinCheckBox : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int32_t FCheckValue = 0;    // BM_SETCHECK's wParam + 1 once one passed (1, 2, 3), else 0
  bool FTransparent = false;  // drawn over the parent's background

 protected:
  // The image (check or radio) and its frame count; nullptr when the skin has none.
  [[nodiscard]] virtual const fw::TBitmap* Image(int& frameCount) const;
  // The frame of the image for the control's state now.
  [[nodiscard]] virtual int Frame(int frameCount);
  // Where the glyph goes with BS_LEFTTEXT: its right edge's distance from the window's right.
  [[nodiscard]] virtual int LeftTextInset() const { return 0; }
};

class TSkinRadioButton : public TSkinCheckBox {
  FW_DECLARE_CLASS()

 public:
  using TSkinCheckBox::TSkinCheckBox;
  void AfterMessage(fw::TMessage& message) override;

 protected:
  [[nodiscard]] const fw::TBitmap* Image(int& frameCount) const override;
  [[nodiscard]] int Frame(int frameCount) override;
  [[nodiscard]] int LeftTextInset() const override { return 1; }
};

}  // namespace skin
