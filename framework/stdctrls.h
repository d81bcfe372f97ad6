// The standard controls of the main window: labels, panels, bit buttons, memos and splitters.
#pragma once

#include <string>

#include "framework/control.h"

namespace fw {

// A caption drawn by its parent, optionally transparent.
class TLabel : public TGraphicControl {
  FW_DECLARE_CLASS()

 public:
  explicit TLabel(TComponent* owner);
  [[nodiscard]] bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint(HDC dc) override;

 private:
  bool transparent_ = false;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const EnumType kBevelCutType;

// A container painted by the framework: colour, bevels and a centred caption.
class TPanel : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TPanel(TComponent* owner);
  [[nodiscard]] TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  [[nodiscard]] TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};

// A push button (the native BUTTON class) that may carry a glyph.
class TBitBtn : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TBitBtn(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const EnumType kScrollStyleType;

// A multi-line edit (the native EDIT class) without a length limit.
class TMemo : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TMemo(TComponent* owner);
  [[nodiscard]] std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  [[nodiscard]] TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
};

// A bar that resizes the aligned control before it when dragged.
class TSplitter : public TGraphicControl {
  FW_DECLARE_CLASS()

 public:
  explicit TSplitter(TComponent* owner);
  [[nodiscard]] int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = value; }
  void WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc) override;

 private:
  // The control that this splitter resizes: the one aligned alike right before it.
  TControl* FindResizedControl() const;
  // The room left for the controls that take what remains (alClient).
  int SpaceAfter() const;

  int minSize_ = 30;
  bool dragging_ = false;
  POINT dragStart_{};
  int startSize_ = 0;
  TControl* resized_ = nullptr;
};

}  // namespace fw
