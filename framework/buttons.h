// Speed buttons: windowless buttons painted by their parent, with a glyph, an optional flat look
// and groups in which one button stays down.
#pragma once

#include <memory>

#include "framework/control.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls.h"

namespace fw {

// Where the glyph and the caption of a button go inside its client area.
struct ButtonLayoutResult {
  POINT glyph{};
  RECT text{};
};

// Glyph and caption placed along the layout axis: Margin from the edge to the glyph (-1 centres the
// pair), Spacing between them (-1 spreads them evenly); across the axis both are centred.
[[nodiscard]] ButtonLayoutResult LayOutButton(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                              int spacing);

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
  FW_DECLARE_CLASS()

 public:
  explicit TSpeedButton(TComponent* owner);
  // Only the face shows until the mouse is over the button.
  [[nodiscard]] bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // A flat button lets its parent's background show.
  [[nodiscard]] bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Latched down; only buttons of a group (GroupIndex not 0) stay down.
  [[nodiscard]] bool Down() const { return down_; }
  void SetDown(bool value);
  // Buttons of one parent with the same non-zero GroupIndex: at most one is down.
  [[nodiscard]] int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // A click on the down button of a group may raise it again.
  [[nodiscard]] bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);

  [[nodiscard]] bool MouseInControl() const { return hot_; }
  void WndProc(TMessage& message) override;
  void Click() override;

 protected:
  void Paint(HDC dc) override;
  void GlyphChanged() override { Invalidate(); }

 private:
  template <typename Action>
  void ForEachInGroup(Action action);
  // Which image of the glyph strip shows: 0 up, 1 disabled, 2 pressed, 3 latched down.
  [[nodiscard]] int GlyphIndex() const;

  bool flat_ = false;
  bool transparent_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace fw
