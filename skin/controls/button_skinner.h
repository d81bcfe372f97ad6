// The skinners of push-button-like controls, drawn from the skin's "Buttons" element (five state
// frames: normal, pressed, disabled, hot, focused or default): plain push buttons, buttons with a
// glyph and caption, buttons with a drop-down arrow, and windowless speed buttons. They take over
// the button's painting, track hot and pressed themselves and read the layout (caption, glyph,
// layout, margin, spacing, font, default flag) from the control's published properties by name,
// so any button class with those property names is drawn the same way. Each button is composed
// in the skinner's own bitmap and shown with one blit.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "skin/controls/button_face_cache.h"
#include "skin/controls/skin_control.h"

namespace skin {

// Frames of the "Buttons" element.
inline constexpr int kButtonFrameNormal = 1;
inline constexpr int kButtonFramePressed = 2;
inline constexpr int kButtonFrameDisabled = 3;
inline constexpr int kButtonFrameHot = 4;
inline constexpr int kButtonFrameFocused = 5;  // also the default button

// The text with the first occurrence of `from` replaced by `to`.
[[nodiscard]] std::wstring ReplaceFirst(std::wstring text, std::wstring_view from, std::wstring_view to);
// A new bitmap of the glyph's size with the embossed look of a disabled one-frame glyph.
[[nodiscard]] fw::TBitmap MakeDisabledGlyph(const fw::TBitmap& glyph);
// Frame `index` (1-based) of a strip of `count` glyphs, drawn at `at` with the colour of its
// bottom-left pixel transparent; a one-frame glyph asked for its disabled frame is embossed.
void DrawGlyph(HDC dc, POINT at, int count, int index, const fw::TBitmap& glyph);
// The two halves of DrawGlyph: the picture of the frame (empty for a glyph without pixels), and
// the picture drawn with the colour of its bottom-left pixel transparent.
[[nodiscard]] fw::TBitmap GlyphFramePicture(int count, int index, const fw::TBitmap& glyph);
void DrawGlyphPicture(HDC dc, POINT at, const fw::TBitmap& picture);

class TSkinButton : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;

  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The state frame of a push or bit button now (focus and enabled state sampled here).
  [[nodiscard]] virtual int StateFrame();
  // FCaption centred (or aligned by `alignment`) in `rect`, focus rectangle included.
  void DrawCaption(HDC dc, const RECT& rect, UINT alignment);

  fw::TBitmap FBitmap;        // the button composed at the window's size
  bool FTransparent = false;  // composed over the parent's background instead of ButtonFace
  ButtonFaceCache FFaces;     // frames and glyph pictures kept between paints

 protected:
  [[nodiscard]] bool HasButtonImage() const;
  // FBitmap sized to `rect` and filled with the background, with the state frame of the "Buttons"
  // element on it unless `withFrame` is false.
  void ComposeFace(const RECT& rect, int frame, bool withFrame = true);
  // The text colour the skin gives for the frame, over `base`; shadow when disabled.
  [[nodiscard]] fw::TColor TextColor(int frame, fw::TColor base) const;
  // The control's font selected into FBitmap (or the window's font for a bare window).
  [[nodiscard]] HFONT ButtonFont() const;
  [[nodiscard]] fw::TColor FontColor() const;
  // FTransparent from Tag 5555 or the skin option.
  void TakeTransparency();
};

class TSkinBitButton : public TSkinButton {
  FW_DECLARE_CLASS()

 public:
  using TSkinButton::TSkinButton;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The published graphic property drawn in place of Glyph; empty for Glyph.
  std::string FImageProperty;

 protected:
  // Glyph and caption laid out and drawn onto FBitmap's DC; `speed` applies the speed button's
  // differences.
  void DrawGlyphAndCaption(int frame, int glyphFrame, bool enabled, bool speed);
};

class TSkinMenuButton : public TSkinButton {
  FW_DECLARE_CLASS()

 public:
  using TSkinButton::TSkinButton;
  int StateFrame() override;
  void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinSpeedButton : public TSkinBitButton {
  FW_DECLARE_CLASS()

 public:
  using TSkinBitButton::TSkinBitButton;
  ~TSkinSpeedButton() override;

  // Attaches to the owner, a windowless speed button: the skinner sees the control's messages
  // through its window method and redraws it through Invalidate.
  void InitSpeedButton(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas);
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  // Draws at once on the parent's window at the control's place.
  void PaintControl(HDC dc) override;

  bool FPainting = false;  // re-entry guard of the drawing

 private:
  // Draws the button into `dc`, whose origin is the control's top-left corner.
  void DrawSpeedButton(HDC dc);
};

}  // namespace skin
