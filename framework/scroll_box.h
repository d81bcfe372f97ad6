// Scrolling containers: TScrollingWinControl (window scroll bars whose range follows the
// children), TScrollBox and TFrame (an embeddable container that owns the components nested in it
// by a form description).
#pragma once

#include <memory>

#include "framework/control.h"
#include "framework/stdctrls.h"

namespace fw {

class TScrollingWinControl;

// One of the two window scroll bars of a scrolling control. Range is the scrolled extent: at least
// the value given, and with AutoScroll at least what the children need.
class TControlScrollBar : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  TControlScrollBar(TScrollingWinControl& control, int bar) : control_(control), bar_(bar) {}
  [[nodiscard]] int Range() const { return range_; }
  void SetRange(int value);
  [[nodiscard]] int Position() const { return position_; }
  void SetPosition(int value);
  // The range in effect: the given one or what the children need.
  [[nodiscard]] int EffectiveRange() const { return effectiveRange_; }
  [[nodiscard]] bool IsScrollBarVisible() const;

 private:
  friend class TScrollingWinControl;
  TScrollingWinControl& control_;
  int bar_;  // SB_HORZ or SB_VERT
  int range_ = 0;
  int effectiveRange_ = 0;
  int position_ = 0;
};

class TScrollingWinControl : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;
  [[nodiscard]] TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
  [[nodiscard]] TControlScrollBar* VertScrollBar() const { return vert_.get(); }
  [[nodiscard]] bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  // Moves the contents so that the scroll positions become (x, y), clamped to the ranges.
  void ScrollTo(int x, int y);
  void UpdateScrollBars();
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override { UpdateScrollBars(); }
  void ChildBoundsChanged() override;

 private:
  void Scroll(TControlScrollBar& bar, WPARAM request);

  std::unique_ptr<TControlScrollBar> horz_;
  std::unique_ptr<TControlScrollBar> vert_;
  bool autoScroll_ = true;
  bool updating_ = false;
};

class TScrollBox : public TScrollingWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TScrollBox(TComponent* owner);
  [[nodiscard]] TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

// A container whose parts come from a form description: the components nested in it there are
// created as its own (its FindComponent finds them; their names need only be unique inside it).
class TCustomFrame : public TScrollingWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomFrame(TComponent* owner);
  [[nodiscard]] bool OwnsNestedComponents() const override { return true; }
};

class TFrame : public TCustomFrame {
  FW_DECLARE_CLASS()

 public:
  explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
};

}  // namespace fw
